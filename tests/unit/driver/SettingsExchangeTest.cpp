#include "ModelFixture.h"

#include "driver/ControlCodes.h"
#include "driver/WorkingRecord.h"

#include <climits>
#include <cstring>
#include <vector>

namespace {

class SettingsExchangeTest : public ModelFixture {
protected:
    // A record no default could produce: every rate table word and driver word distinct,
    // with negative values and all bits of a word in use.
    void FillDistinctRecord(SimUnitScenario& unit) {
        for (std::uint32_t offset = 0; offset < RecordLayout::kAsioDirectMonitor; offset += 4) {
            DeviceModel::SetRecordWord(unit, offset,
                                       static_cast<std::int32_t>(0x9E3779B9u * (offset + 1)));
        }
        DeviceModel::SetRecordWord(unit, RecordLayout::kDriverWord1, INT32_MIN);
        DeviceModel::SetRecordWord(unit, RecordLayout::kDriverWord2, -5);
        DeviceModel::SetRecordWord(unit, RecordLayout::kDriverWord3, 0x12345678);
    }

    void ScriptWrites(std::size_t unit, std::initializer_list<std::int32_t> statuses) {
        SimUnitScenario& scenario = Unit(unit);
        scenario.writeStatusCount = 0;
        for (std::int32_t status : statuses) {
            scenario.writeStatuses[scenario.writeStatusCount++] = status;
        }
        model.SetScenario(model.Scenario()); // restart the scripts
    }
};

TEST_F(SettingsExchangeTest, ReadTakesTheFirstSlotThatAnswers) {
    struct Case {
        const char* name;
        std::vector<std::size_t> present;
        std::vector<std::size_t> failing; // units that fail the read request
        std::int32_t status0;             // status of unit 0's answer
        bool result;
        std::size_t source; // unit whose record the working record must hold
        const char* trace;
    };
    const Case cases[] = {
        {"nobody", {}, {}, 1, false, 0, "x0 x1 x2 x3"},
        {"only link 4", {3}, {}, 1, true, 3, "x0 x1 x2 o3 c3 o3 G3 c3"},
        {"first three fail",
         {0, 1, 2, 3},
         {0, 1, 2},
         1,
         true,
         3,
         "o0 c0 o0 G0! c0 o1 c1 o1 G1! c1 o2 c2 o2 G2! c2 o3 c3 o3 G3 c3"},
        {"first answers invalid", {0, 1}, {}, 0, false, 0, "o0 c0 o0 G0 c0"},
        {"first answers", {0, 1}, {}, 1, true, 0, "o0 c0 o0 G0 c0"},
    };
    for (const Case& c : cases) {
        model.Reset();
        Present({});
        for (std::size_t i = 0; i < DeviceSlotSet::kSlotCount; ++i) {
            FillDistinctRecord(Unit(i));
            DeviceModel::SetRecordWord(Unit(i), RecordLayout::kBufferLevel,
                                       static_cast<std::int32_t>(i));
        }
        for (std::size_t unit : c.present) {
            Unit(unit).present = 1;
        }
        for (std::size_t unit : c.failing) {
            Fail(unit, IOCTL_DRV_GET_SETTINGS);
        }
        Unit(0).readStatus = c.status0;
        WorkingRecord record;
        EXPECT_EQ(slots.ReadSettings(record), c.result) << c.name;
        EXPECT_EQ(TraceText(), c.trace) << c.name;
        if (!c.present.empty()) {
            // The answer is taken whole, also when its status makes the read fail.
            EXPECT_EQ(std::memcmp(record.Bytes(), Unit(c.source).record, WorkingRecord::kBytes), 0)
                << c.name;
        }
    }
}

TEST_F(SettingsExchangeTest, WriteFoldsTheAnswersOfEverySlot) {
    struct Case {
        const char* name;
        std::vector<std::size_t> present;
        std::vector<std::int32_t> answers; // one per present unit, in order
        bool answered;
        DriverStatus status;
    };
    const Case cases[] = {
        {"1 and 3", {0, 1}, {1, 3}, true, 2},
        {"3 and 1", {0, 2}, {3, 1}, true, 2},
        {"2 and 1", {1, 3}, {2, 1}, true, 2},
        {"1 and 0", {0, 1}, {1, 0}, true, 1},
        {"0 and 7", {0, 1}, {0, 7}, true, 0},
        {"single 7", {2}, {7}, true, 0},
        {"single -1", {0}, {-1}, true, 0},
        {"only link 4 with 3", {3}, {3}, true, 2},
        {"four answers", {0, 1, 2, 3}, {0, 1, 0, 0}, true, 1},
        {"nobody", {}, {}, false, 0},
    };
    for (const Case& c : cases) {
        model.Reset();
        Present({});
        for (std::size_t i = 0; i < c.present.size(); ++i) {
            Unit(c.present[i]).present = 1;
            ScriptWrites(c.present[i], {c.answers[i]});
        }
        DriverStatus status = -99;
        EXPECT_EQ(slots.WriteSettings(WorkingRecord{}, status), c.answered) << c.name;
        if (c.answered) {
            EXPECT_EQ(status, c.status) << c.name;
        }
        for (std::size_t unit : c.present) {
            EXPECT_EQ(model.Counters().opens[unit], 2u) << c.name;
            EXPECT_EQ(model.Counters().requests[unit][DeviceModel::CodeIndex(kSimSetSettings)], 1u)
                << c.name;
        }
    }
}

TEST_F(SettingsExchangeTest, WriteGoesOnPastFailingSlots) {
    Present({0, 1, 2});
    Fail(1, IOCTL_DRV_SET_SETTINGS);
    ScriptWrites(0, {0});
    ScriptWrites(2, {1});
    DriverStatus status = -99;
    EXPECT_TRUE(slots.WriteSettings(WorkingRecord{}, status));
    EXPECT_EQ(status, 1);
    EXPECT_EQ(TraceText(), "o0 c0 o0 S0 c0 o1 c1 o1 S1! c1 o2 c2 o2 S2 c2 x3");
}

TEST_F(SettingsExchangeTest, ADriverChangeReachesTheNextSlotButNotTheWorkingRecord) {
    Present({0, 1});
    Unit(0).patchOffset = RecordLayout::kBufferLevel;
    Unit(0).patchValue = 2;
    WorkingRecord record;
    record.SetBufferLevel(7);
    DriverStatus status = 0;
    ASSERT_TRUE(slots.WriteSettings(record, status));
    EXPECT_EQ(DeviceModel::RecordWord(Unit(0), RecordLayout::kBufferLevel), 7);
    EXPECT_EQ(DeviceModel::RecordWord(Unit(1), RecordLayout::kBufferLevel), 2);
    EXPECT_EQ(record.BufferLevel(), 7);

    // Each write starts again from the working record.
    Unit(0).patchOffset = kSimNoPatch;
    ASSERT_TRUE(slots.WriteSettings(record, status));
    EXPECT_EQ(DeviceModel::RecordWord(Unit(1), RecordLayout::kBufferLevel), 7);
}

TEST_F(SettingsExchangeTest, DriverWordsAndRateTablePassThroughBitForBit) {
    Present({0});
    FillDistinctRecord(Unit(0));
    const SimUnitScenario original = Unit(0);
    WorkingRecord record;
    ASSERT_TRUE(slots.ReadSettings(record));
    EXPECT_EQ(record.DriverWord1(), INT32_MIN);
    EXPECT_EQ(record.RateRow(9).words[6],
              DeviceModel::RecordWord(original, 9 * RecordLayout::kRateRowBytes + 24));
    record.ClampOffsets();
    record.SetBufferLevel(3);
    record.SetMidiInLightLoad(1);
    DriverStatus status = 0;
    ASSERT_TRUE(slots.WriteSettings(record, status));
    EXPECT_EQ(std::memcmp(Unit(0).record, original.record, RecordLayout::kAsioDirectMonitor), 0);
    for (std::size_t offset :
         {RecordLayout::kDriverWord1, RecordLayout::kDriverWord2, RecordLayout::kDriverWord3}) {
        EXPECT_EQ(DeviceModel::RecordWord(Unit(0), offset),
                  DeviceModel::RecordWord(original, offset));
    }
    EXPECT_EQ(DeviceModel::RecordWord(Unit(0), RecordLayout::kBufferLevel), 3);
    EXPECT_EQ(DeviceModel::RecordWord(Unit(0), RecordLayout::kMidiInLightLoad), 1);
}

TEST(WorkingRecordTest, StartsWithTheDefaults) {
    const WorkingRecord record;
    const std::int32_t expected[] = {0, 0, 5, 1, 1, 0, 1, 0, 0, 1, 0};
    const std::int32_t actual[] = {
        record.AsioDirectMonitor(), record.SmallerAsioBuffer(), record.BufferLevel(),
        record.DriverWord1(),       record.OffsetAEnabled(),    record.OffsetA(),
        record.OffsetBEnabled(),    record.OffsetB(),           record.MidiInLightLoad(),
        record.DriverWord2(),       record.DriverWord3()};
    EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), std::begin(actual)));
}

TEST(WorkingRecordTest, ClampOffsets) {
    struct Case {
        std::int32_t level, enabledA, offsetA, enabledB, offsetB;
        std::int32_t expectedA, expectedB;
    };
    const Case cases[] = {
        {9, 1, 50, 1, 0, 42, 0},
        {0, 1, 0, 1, -7, 0, -2},
        {5, 0, 1, 1, 1, 0, 1},
        {5, 1, -8, 0, -1, -8, 0},
        {5, 1, 8, 1, -9, 8, -8},
        {9, 1, INT32_MIN, 1, INT32_MAX, -42, 42},
        {9, -1, 43, 7, -43, 42, -42},
        // A level the driver sent outside 0..9 uses the nearest table entry and stays as sent.
        {12, 1, 100, 1, -100, 42, -42},
        {INT32_MIN, 1, 100, 1, -100, 2, -2},
        {-1, 1, 3, 1, -3, 2, -2},
    };
    for (const Case& c : cases) {
        WorkingRecord record;
        record.SetBufferLevel(c.level);
        record.SetOffsetAEnabled(c.enabledA);
        record.SetOffsetA(c.offsetA);
        record.SetOffsetBEnabled(c.enabledB);
        record.SetOffsetB(c.offsetB);
        record.ClampOffsets();
        EXPECT_EQ(record.OffsetA(), c.expectedA) << "level " << c.level << " A " << c.offsetA;
        EXPECT_EQ(record.OffsetB(), c.expectedB) << "level " << c.level << " B " << c.offsetB;
        EXPECT_EQ(record.BufferLevel(), c.level);
    }
}

TEST(LevelTables, BoundsAreTheProductOfTheTables) {
    const std::int32_t bounds[] = {2, 3, 4, 5, 6, 8, 12, 16, 25, 42};
    for (std::int32_t level = 0; level <= 9; ++level) {
        EXPECT_EQ(LevelBound(level), bounds[level]) << level;
    }
}

} // namespace
