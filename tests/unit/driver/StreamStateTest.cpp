#include "ModelFixture.h"

#include "driver/ControlCodes.h"

#include <optional>
#include <span>
#include <vector>

namespace {

// One unit of a stream-state scenario. By default a unit is present, reports no stream state
// (so the state must be derived), has the default identity, match flag 1 and runs at 48000.
struct UnitSpec {
    bool present = true;
    std::uint32_t streamUnits = 0;
    std::int32_t streamRate = 0;
    const char* identity = "TX-90KL#0001";
    std::optional<std::uint32_t> identityLength = std::nullopt; // overrides the text's length
    std::int32_t matchFlag = 1;
    std::int32_t rate = 48000;
    std::vector<std::uint32_t> fails = {};
};

UnitSpec Absent() {
    return UnitSpec{.present = false};
}

struct Case {
    const char* name;
    std::vector<UnitSpec> units; // up to four; missing units are absent
    bool found;
    StreamState state;
    const char* trace; // nullptr: not checked
};

class StreamStateTest : public ModelFixture {
protected:
    void Apply(const Case& c) {
        model.Reset();
        Present({});
        for (std::size_t i = 0; i < c.units.size(); ++i) {
            const UnitSpec& spec = c.units[i];
            SimUnitScenario& unit = Unit(i);
            unit.present = spec.present ? 1 : 0;
            unit.streamUnitCount = spec.streamUnits;
            unit.streamRate = spec.streamRate;
            DeviceModel::SetIdentity(unit, spec.identity);
            unit.identityLength = spec.identityLength.value_or(unit.identityLength);
            unit.matchFlag = spec.matchFlag;
            unit.sampleRate = spec.rate;
            for (std::uint32_t code : spec.fails) {
                Fail(i, code);
            }
        }
    }

    // Runs the query on each case's scenario; a failing query leaves the state untouched.
    template <typename Query> void Run(std::span<const Case> cases, Query query) {
        for (const Case& c : cases) {
            Apply(c);
            StreamState state{77, 77};
            const bool found = (slots.*query)(state);
            EXPECT_EQ(found, c.found) << c.name;
            const StreamState expected = c.found ? c.state : StreamState{77, 77};
            EXPECT_EQ(state.unitCount, expected.unitCount) << c.name;
            EXPECT_EQ(state.currentRate, expected.currentRate) << c.name;
            if (c.trace != nullptr) {
                EXPECT_EQ(TraceText(), c.trace) << c.name;
            }
        }
    }
};

constexpr std::uint32_t kIdentity = IOCTL_DRV_GET_IDENTITY;
constexpr std::uint32_t kMatch = IOCTL_DRV_GET_MATCH_MODE;
constexpr std::uint32_t kRate = IOCTL_DRV_GET_SAMPLE_RATE;
constexpr std::uint32_t kStream = IOCTL_DRV_GET_STREAM_STATE;

TEST_F(StreamStateTest, ReportedStateComesFromTheFirstLinkWithUnits) {
    const Case cases[] = {
        {"second link reports",
         {{.streamUnits = 0}, {.streamUnits = 2, .streamRate = 48000}},
         true,
         {2, 48000},
         "o0 T0 c0 o1 T1 c1"},
        {"failing and absent links are passed over",
         {{.fails = {kStream}}, Absent(), {.streamUnits = 3, .streamRate = -1}},
         true,
         {3, -1},
         "o0 T0! c0 x1 o2 T2 c2"},
        {"nobody reports", {{}, {}}, false, {}, "o0 T0 c0 o1 T1 c1 x2 x3"},
    };
    Run(cases, &DeviceSlotSet::GetReportedStreamState);
}

TEST_F(StreamStateTest, DerivedStateCountsUnitsThatBelongWithTheReference) {
    const Case cases[] = {
        {"reference on link 2, later links examined",
         {Absent(), {.rate = 44100}, {.rate = 44100}, {.rate = 44100}},
         true,
         {3, 44100},
         "x0 o1 I1 c1 o1 R1 c1 o2 I2 c2 o2 M2 c2 o2 R2 c2 o3 I3 c3 o3 M3 c3 o3 R3 c3"},
        {"only link 4 answers",
         {Absent(), Absent(), Absent(), {.rate = 96000}},
         true,
         {1, 96000},
         "x0 x1 x2 o3 I3 c3 o3 R3 c3"},
        {"identity without rate does not make the reference",
         {{.identity = "OTHER", .fails = {kRate}}, {.identity = "UNIT"}, {.identity = "UNIT"}},
         true,
         {2, 48000},
         "o0 I0 c0 o0 R0! c0 o1 I1 c1 o1 R1 c1 o2 I2 c2 o2 M2 c2 o2 R2 c2 x3"},
        {"identities equal but for ASCII case",
         {{.identity = "Tx-90kl#Zz"}, {.identity = "tX-90KL#zZ"}},
         true,
         {2, 48000},
         nullptr},
        {"only A-Z fold: [ and { differ",
         {{.identity = "A[@"}, {.identity = "a{`"}},
         true,
         {1, 48000},
         nullptr},
        {"flag 0 counts a different length",
         {{.identity = "UNIT"}, {.identity = "UNIT2", .matchFlag = 0}},
         true,
         {2, 48000},
         nullptr},
        {"flag 0 skips the same identity",
         {{}, {.matchFlag = 0}},
         true,
         {1, 48000},
         "o0 I0 c0 o0 R0 c0 o1 I1 c1 o1 M1 c1 x2 x3"},
        {"failing flag request skips the same identity",
         {{}, {.fails = {kMatch}}},
         true,
         {1, 48000},
         "o0 I0 c0 o0 R0 c0 o1 I1 c1 o1 M1! c1 x2 x3"},
        {"failing flag request counts a different identity",
         {{}, {.identity = "ELSE", .fails = {kMatch}}},
         true,
         {2, 48000},
         nullptr},
        {"failing identity request ends the unit",
         {{}, {.fails = {kIdentity}}},
         true,
         {1, 48000},
         "o0 I0 c0 o0 R0 c0 o1 I1! c1 x2 x3"},
        {"other rate or failing rate request",
         {{}, {.rate = 44100}, {.fails = {kRate}}, {}},
         true,
         {2, 48000},
         nullptr},
        {"two empty identities are the same",
         {{.identity = ""}, {.identity = ""}},
         true,
         {2, 48000},
         nullptr},
        {"oversized lengths compare the data held",
         {{.identityLength = 5000}, {.identity = "tx-90kl#0001", .identityLength = 5000}},
         true,
         {2, 48000},
         nullptr},
        {"oversized length against a full one differs",
         {{.identityLength = 5000}, {.identityLength = 2048}},
         true,
         {1, 48000},
         nullptr},
        {"every request fails",
         {{.fails = {kIdentity}}, {.fails = {kRate}}, {.fails = {kIdentity, kRate}}},
         false,
         {},
         nullptr},
        {"nothing present", {}, false, {}, "x0 x1 x2 x3"},
    };
    Run(cases, &DeviceSlotSet::DeriveStreamState);
}

TEST_F(StreamStateTest, QueryFallsBackToTheDerivedState) {
    const Case cases[] = {
        {"reported wins",
         {{.streamUnits = 4, .streamRate = 88200}, {}},
         true,
         {4, 88200},
         "o0 T0 c0"},
        {"derived when nothing is reported",
         {{.rate = 32000}, {.rate = 32000, .fails = {kStream}}},
         true,
         {2, 32000},
         "o0 T0 c0 o1 T1! c1 x2 x3 o0 I0 c0 o0 R0 c0 o1 I1 c1 o1 M1 c1 o1 R1 c1 x2 x3"},
        {"both fail",
         {{.fails = {kStream, kIdentity}}},
         false,
         {},
         "o0 T0! c0 x1 x2 x3 o0 I0! c0 x1 x2 x3"},
    };
    Run(cases, &DeviceSlotSet::QueryStreamState);
}

} // namespace
