// Driver answers that no sound driver gives: statuses without a meaning, settings outside
// their ranges, unit counts, identity lengths and rates at and past their limits, codes that
// fail and answers shorter than asked. Each row says what the window shows and writes back.

#include "tests/win/faults/FaultFixture.h"

#include "app/ResourceIds.h"
#include "driver/RecordFields.h"
#include "tests/win/support/UiDriver.h"

#include <commctrl.h>

#include <climits>

namespace {

using Kind = Outcome::Kind;
namespace Layout = RecordLayout;
using BadAnswerFixture = FaultFixture;

// The stream state the tables start from: reported as one unit at 96000 Hz (640 samples at
// level 5), while the per-unit sample rate is 48000 Hz (320), so the line shows which way the
// state was found.
constexpr std::int32_t kReportedRate = 96000;
const wchar_t kReported[] = L"ASIO Buffer Size:  640 samples";
const wchar_t kDerived[] = L"ASIO Buffer Size:  320 samples";
const wchar_t kDerivedTwoUnits[] = L"ASIO Buffer Size:  480 samples";
const wchar_t kRateZero[] = L"ASIO Buffer Size:  288 samples";

void Fail(SimUnitScenario& unit, std::uint32_t code) {
    for (std::uint32_t& slot : unit.failCodes) {
        if (slot == 0) {
            slot = code;
            return;
        }
    }
}

void FailEverywhere(SimScenario& s, std::uint32_t code) {
    for (SimUnitScenario& unit : s.units) {
        Fail(unit, code);
    }
}

void Short(SimScenario& s, std::uint32_t code, std::uint32_t bytes) {
    s.units[0].shortCode = code;
    s.units[0].shortBytes = bytes;
}

// Two units whose stream state must be derived; the second has the same identity data and
// asks to be counted when the identities are the same.
void TwoUnitsDerived(SimScenario& s, std::uint32_t firstLength, std::uint32_t secondLength) {
    s.units[1].present = 1;
    FailEverywhere(s, kSimGetStreamState);
    s.units[0].identityLength = firstLength;
    s.units[1].identityLength = secondLength;
}

void Statuses(SimScenario& s, std::int32_t first, std::int32_t second) {
    s.units[0].writeStatuses[0] = first;
    s.units[0].writeStatusCount = 1;
    if (second != 0) {
        s.units[1].present = 1;
        s.units[1].writeStatuses[0] = second;
        s.units[1].writeStatusCount = 1;
    }
}

struct AnswerRow {
    const char* name;
    void (*edit)(SimScenario&);
    bool opens;          // else the no-device window at start, and nothing is written
    const wchar_t* size; // the size line once open; nullptr: the template's, no state found
    Kind okShows;        // what OK shows before the window closes
    UINT message;        // the message, for Kind::Message
};

const AnswerRow kAnswerRows[] = {
    // Write statuses outside 0 to 3 fold to nothing; a meaningful answer of another unit wins.
    {"status -1", [](SimScenario& s) { Statuses(s, -1, 0); }, true, kReported, Kind::Nothing, 0},
    {"status 7", [](SimScenario& s) { Statuses(s, 7, 0); }, true, kReported, Kind::Nothing, 0},
    {"status 0x7FFFFFFF", [](SimScenario& s) { Statuses(s, INT32_MAX, 0); }, true, kReported,
     Kind::Nothing, 0},
    {"status 0x7FFFFFFF and 3", [](SimScenario& s) { Statuses(s, INT32_MAX, 3); }, true, kReported,
     Kind::Message, IDS_CONF_MIDI_CABLE},
    // A reported unit count of 0 means no state: the state is derived. 5 and more units are
    // not scaled.
    {"unit count 0", [](SimScenario& s) { s.units[0].streamUnitCount = 0; }, true, kDerived,
     Kind::Nothing, 0},
    {"unit count 5", [](SimScenario& s) { s.units[0].streamUnitCount = 5; }, true, kReported,
     Kind::Nothing, 0},
    {"unit count 0xFFFFFFFF", [](SimScenario& s) { s.units[0].streamUnitCount = UINT32_MAX; }, true,
     kReported, Kind::Nothing, 0},
    // Identity lengths: equal lengths compare at most the 2048 bytes both blocks hold.
    {"identity lengths 0 and 0", [](SimScenario& s) { TwoUnitsDerived(s, 0, 0); }, true,
     kDerivedTwoUnits, Kind::Nothing, 0},
    {"identity lengths 2048 and 2048", [](SimScenario& s) { TwoUnitsDerived(s, 2048, 2048); }, true,
     kDerivedTwoUnits, Kind::Nothing, 0},
    {"identity lengths 2049 and 2049", [](SimScenario& s) { TwoUnitsDerived(s, 2049, 2049); }, true,
     kDerivedTwoUnits, Kind::Nothing, 0},
    {"identity lengths 0xFFFFFFFF twice",
     [](SimScenario& s) { TwoUnitsDerived(s, UINT32_MAX, UINT32_MAX); }, true, kDerivedTwoUnits,
     Kind::Nothing, 0},
    {"identity lengths 2048 and 2049", [](SimScenario& s) { TwoUnitsDerived(s, 2048, 2049); }, true,
     kDerived, Kind::Nothing, 0},
    // Rates: the lowest band takes everything up to 44100, 0 and negatives included; above
    // 192000 the size follows the rate, worked without overflow up to the largest rate.
    {"rate 0", [](SimScenario& s) { s.units[0].streamRate = 0; }, true, kRateZero, Kind::Nothing,
     0},
    {"rate -1", [](SimScenario& s) { s.units[0].streamRate = -1; }, true, kRateZero, Kind::Nothing,
     0},
    {"rate 192001", [](SimScenario& s) { s.units[0].streamRate = 192001; }, true,
     L"ASIO Buffer Size: 1312 samples", Kind::Nothing, 0},
    {"rate 63160990", [](SimScenario& s) { s.units[0].streamRate = 63160990; }, true,
     L"ASIO Buffer Size: 429504 samples", Kind::Nothing, 0},
    {"rate 0x7FFFFFFF", [](SimScenario& s) { s.units[0].streamRate = INT32_MAX; }, true,
     L"ASIO Buffer Size: 14602912 samples", Kind::Nothing, 0},
    // Each code failing on every unit, then all of them, then both ways to the stream state.
    {"get settings fails", [](SimScenario& s) { FailEverywhere(s, kSimGetSettings); }, false,
     nullptr, Kind::Undecided, 0},
    {"set settings fails", [](SimScenario& s) { FailEverywhere(s, kSimSetSettings); }, true,
     kReported, Kind::NoDevice, 0},
    {"stream state fails", [](SimScenario& s) { FailEverywhere(s, kSimGetStreamState); }, true,
     kDerived, Kind::Nothing, 0},
    {"identity fails", [](SimScenario& s) { FailEverywhere(s, kSimGetIdentity); }, true, kReported,
     Kind::Nothing, 0},
    {"match mode fails", [](SimScenario& s) { FailEverywhere(s, kSimGetMatchMode); }, true,
     kReported, Kind::Nothing, 0},
    {"sample rate fails", [](SimScenario& s) { FailEverywhere(s, kSimGetSampleRate); }, true,
     kReported, Kind::Nothing, 0},
    {"every code fails",
     [](SimScenario& s) {
         for (std::uint32_t code : {kSimGetSettings, kSimSetSettings, kSimGetStreamState,
                                    kSimGetIdentity, kSimGetMatchMode, kSimGetSampleRate}) {
             FailEverywhere(s, code);
         }
     },
     false, nullptr, Kind::Undecided, 0},
    {"stream state and identity fail",
     [](SimScenario& s) {
         FailEverywhere(s, kSimGetStreamState);
         FailEverywhere(s, kSimGetIdentity);
     },
     true, nullptr, Kind::Nothing, 0},
    // Short answers: what the driver did not send stays as the request went out. A settings
    // answer without its status word is not valid; a write answer without it reads as 0.
    {"settings answer of 324 bytes", [](SimScenario& s) { Short(s, kSimGetSettings, 324); }, false,
     nullptr, Kind::Undecided, 0},
    {"settings answer of 0 bytes", [](SimScenario& s) { Short(s, kSimGetSettings, 0); }, false,
     nullptr, Kind::Undecided, 0},
    {"write answer of 0 bytes",
     [](SimScenario& s) {
         Statuses(s, 2, 0);
         Short(s, kSimSetSettings, 0);
     },
     true, kReported, Kind::Nothing, 0},
    {"stream state answer of 4 bytes", [](SimScenario& s) { Short(s, kSimGetStreamState, 4); },
     true, kDerived, Kind::Nothing, 0},
    {"stream state answer of 8 bytes", [](SimScenario& s) { Short(s, kSimGetStreamState, 8); },
     true, kRateZero, Kind::Nothing, 0},
    {"sample rate answer of 4 bytes",
     [](SimScenario& s) {
         FailEverywhere(s, kSimGetStreamState);
         Short(s, kSimGetSampleRate, 4);
     },
     true, kRateZero, Kind::Nothing, 0},
};

TEST_F(BadAnswerFixture, EachBadAnswerHasItsDocumentedResult) {
    for (const AnswerRow& row : kAnswerRows) {
        SCOPED_TRACE(row.name);
        model->Reset();
        kernel.With([&](DeviceModel& m, ModelKernelPort&) {
            m.EditScenario().units[0].streamRate = kReportedRate;
            row.edit(m.EditScenario());
            return 0;
        });
        const OkRun run = RunAndOk([&](HWND settings) {
            const DisplayTexts display = Display(settings);
            EXPECT_EQ(display.size, row.size != nullptr ? row.size : DisplayTexts::Template().size);
        });
        EXPECT_EQ(run.opened, row.opens);
        EXPECT_EQ(run.ok.kind, row.okShows);
        if (row.okShows == Kind::Message) {
            EXPECT_EQ(run.ok.text, LoadWide(texts, row.message));
        }
        EXPECT_EQ(run.result, row.opens ? IDOK : IDCANCEL);
        if (!row.opens) {
            EXPECT_EQ(Writes(), 0u);
        }
        ExpectOpensEqualCloses();
    }
}

// Settings read from the driver outside their ranges: what the controls show, and what OK
// writes back. Offsets are bounded by the level the slider shows.
TEST_F(BadAnswerFixture, SettingsOutsideTheirRangesAreShownAndWrittenBackInRange) {
    struct Row {
        const char* name;
        std::uint32_t offset;
        std::int32_t driverValue;
        int slider;        // position shown
        int directMonitor; // check states shown
        int lightLoad;
        const wchar_t* size; // at the driver's 96000 Hz
        std::int32_t writtenValue;
        std::int32_t writtenOffsetA; // the driver sent offset A 50
    };
    const Row rows[] = {
        {"level -5", Layout::kBufferLevel, -5, 0, 0, 0, L"ASIO Buffer Size:  320 samples", 0, 2},
        {"level 10", Layout::kBufferLevel, 10, 9, 0, 0, L"ASIO Buffer Size: 1920 samples", 9, 42},
        {"level 0x7FFFFFFF", Layout::kBufferLevel, INT32_MAX, 9, 0, 0,
         L"ASIO Buffer Size: 1920 samples", 9, 42},
        {"direct monitor 7", Layout::kAsioDirectMonitor, 7, 5, 1, 0, kReported, 1, 8},
        {"light load 3", Layout::kMidiInLightLoad, 3, 5, 0, 0, kReported, 0, 8},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        model->Reset();
        EditUnit(0, [](SimUnitScenario& unit) { unit.streamRate = kReportedRate; });
        SetRecordWord(0, Layout::kOffsetA, 50);
        SetRecordWord(0, static_cast<std::uint32_t>(row.offset), row.driverValue);
        const OkRun run = RunAndOk([&](HWND settings) {
            EXPECT_EQ(::SendDlgItemMessageW(settings, IDC_SLD_BUFFER_SIZE, TBM_GETPOS, 0, 0),
                      row.slider);
            EXPECT_EQ(ui::CheckState(settings, IDC_CHK_ASIO_DIRECT_MON), row.directMonitor);
            EXPECT_EQ(ui::CheckState(settings, IDC_CHK_MIDI_LIGHT_LOAD), row.lightLoad);
            EXPECT_EQ(Display(settings).size, row.size);
        });
        EXPECT_EQ(run.result, IDOK);
        EXPECT_EQ(StoredWord(0, static_cast<std::uint32_t>(row.offset)), row.writtenValue);
        EXPECT_EQ(StoredWord(0, Layout::kOffsetA), row.writtenOffsetA);
    }
}

} // namespace
