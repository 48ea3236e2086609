// Apply, OK and Cancel: what is written to the device, what the user is shown after each
// answer of the driver, and how the window ends.

#include "tests/win/ui/SettingsWindowFixture.h"

#include "app/ResourceIds.h"
#include "tests/win/support/UiDriver.h"

#include <vector>

namespace {

using Fixture = SettingsWindowFixture;
using Kind = Outcome::Kind;

bool TraceHasCode(DeviceModel& model, std::uint32_t code) {
    for (std::uint32_t i = 0; i < model.TraceCount(); ++i) {
        if (model.TraceAt(i).operation == kSimControl && model.TraceAt(i).code == code) {
            return true;
        }
    }
    return false;
}

// Makes a change so that Apply is enabled, then clicks Apply.
void ChangeAndApply(HWND settings) {
    ui::ClickAndWait(settings, IDC_CHK_MIDI_LIGHT_LOAD);
    ASSERT_TRUE(ui::IsEnabled(settings, IDC_BTN_APPLY));
    ui::Click(settings, IDC_BTN_APPLY);
}

struct StatusRow {
    const char* name;
    std::vector<std::int32_t> statuses; // answers to successive writes
    bool firstWriteFails;               // the unit fails every write request
    bool goneAfterFirstWrite;           // the device goes away after the first write
    Kind shown;
    UINT message;         // for Kind::Message
    std::uint32_t writes; // writes served when the outcome shows, and in the end
};

TEST_F(Fixture, ApplyTellsTheUserWhatTheDriverAnswered) {
    const StatusRow rows[] = {
        {"no slot answers", {0}, true, false, Kind::NoDevice, 0, 0},
        {"0", {0}, false, false, Kind::Nothing, 0, 1},
        {"2", {2}, false, false, Kind::Message, IDS_CONF_MIDI_CABLE, 1},
        {"3", {3}, false, false, Kind::Message, IDS_CONF_MIDI_CABLE, 1},
        {"1 then none", {1}, false, true, Kind::NoDevice, 0, 1},
        {"1 then 1", {1, 1}, false, false, Kind::Message, IDS_CONF_WAVE, 2},
        {"1 then 0", {1, 0}, false, false, Kind::Nothing, 0, 2},
        {"1 then 2", {1, 2}, false, false, Kind::Nothing, 0, 2},
    };
    for (const StatusRow& row : rows) {
        SCOPED_TRACE(row.name);
        model->Reset();
        ScriptWrites(0, row.statuses);
        if (row.firstWriteFails) {
            EditUnit(0, [](SimUnitScenario& unit) { unit.failCodes[0] = kSimSetSettings; });
        }
        kernel.afterRequest = [&](std::uint32_t code, DeviceModel& m) {
            if (row.goneAfterFirstWrite && code == kSimSetSettings) {
                m.EditScenario().units[0].present = 0;
            }
        };
        Outcome outcome;
        const INT_PTR result = RunOpen([&](HWND settings) {
            ChangeAndApply(settings);
            outcome =
                AwaitOutcome(settings, [&] { return !ui::IsEnabled(settings, IDC_BTN_APPLY); });
            ASSERT_EQ(outcome.kind, row.shown);
            EXPECT_EQ(outcome.writes, row.writes);
            if (row.shown == Kind::NoDevice) {
                ui::Click(outcome.window, IDOK);
                return;
            }
            if (row.shown == Kind::Message) {
                EXPECT_EQ(outcome.text, LoadWide(texts, row.message));
                EXPECT_EQ(::GetWindow(outcome.window, GW_OWNER), settings);
                ui::AnswerMessageBox(outcome.window);
                ui::WaitUntilGone(outcome.window);
                Settle(settings);
                EXPECT_EQ(FindMessageBox(), nullptr) << "a second message";
            }
            EXPECT_FALSE(ui::IsEnabled(settings, IDC_BTN_APPLY));
            EXPECT_EQ(ui::FocusOf(settings), ::GetDlgItem(settings, IDOK));
            ui::Click(settings, IDCANCEL);
        });
        kernel.afterRequest = nullptr;
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(Writes(), row.writes);
    }
}

TEST_F(Fixture, ApplyWithoutDeviceShowsTheNoDeviceWindowAndWritesNothing) {
    const INT_PTR result = RunOpen([&](HWND settings) {
        SetPresentUnits(0);
        ChangeAndApply(settings);
        HWND noDevice = WaitForNoDeviceWindow();
        ASSERT_NE(noDevice, nullptr);
        ui::Click(noDevice, IDOK);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(kernel.With(
        [](DeviceModel& m, ModelKernelPort&) { return TraceHasCode(m, kSimSetSettings); }));
}

TEST_F(Fixture, OkAlwaysWritesAndEndsWithOkEvenWithoutDevice) {
    struct Row {
        const char* name;
        bool deviceGone;
        std::int32_t status;
        Kind shown;
        std::uint32_t writes;
    };
    const Row rows[] = {{"in effect", false, 0, Kind::Nothing, 1},
                        {"reconnect", false, 2, Kind::Message, 1},
                        {"device gone", true, 0, Kind::NoDevice, 0}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        model->Reset();
        ScriptWrites(0, {row.status});
        const INT_PTR result = RunOpen([&](HWND settings) {
            if (row.deviceGone) {
                SetPresentUnits(0);
            }
            // Apply is disabled: nothing was changed, and OK writes all the same.
            ASSERT_FALSE(ui::IsEnabled(settings, IDC_BTN_APPLY));
            ui::Click(settings, IDOK);
            const Outcome outcome = AwaitOutcome(settings, [&] { return !::IsWindow(settings); });
            ASSERT_EQ(outcome.kind, row.shown);
            if (outcome.window != nullptr) {
                ui::Click(outcome.window, IDOK);
            }
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(Writes(), row.writes);
    }
}

TEST_F(Fixture, CancelWritesNothing) {
    const INT_PTR result = RunOpen([&](HWND settings) {
        SendKey(::GetDlgItem(settings, IDC_SLD_BUFFER_SIZE), VK_LEFT);
        ui::ClickAndWait(settings, IDC_CHK_ASIO_SMALLER);
        ui::ClickAndWait(settings, IDC_CHK_ASIO_DIRECT_MON);
        ui::Click(settings, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(kernel.With(
        [](DeviceModel& m, ModelKernelPort&) { return TraceHasCode(m, kSimSetSettings); }));
    EXPECT_EQ(StoredWord(0, RecordLayout::kBufferLevel), 5);
}

TEST_F(Fixture, DisplayRefreshesBehindApplysMessageButNotBehindOks) {
    ScriptWrites(0, {2});
    const INT_PTR result = RunOpen([&](HWND settings) {
        ChangeAndApply(settings);
        HWND box = nullptr;
        ASSERT_TRUE(ui::WaitUntil([&] { return (box = FindMessageBox()) != nullptr; }));
        const std::uint32_t beforeApplysBox = Requests(kSimGetStreamState);
        EXPECT_TRUE(ui::WaitUntil([&] {
            return Requests(kSimGetStreamState) >= beforeApplysBox + 2;
        })) << "no refresh while Apply's message was up";
        ui::AnswerMessageBox(box);
        ui::WaitUntilGone(box);

        ui::Click(settings, IDOK);
        ASSERT_TRUE(ui::WaitUntil([&] { return (box = FindMessageBox()) != nullptr; }));
        const std::uint32_t beforeOksBox = Requests(kSimGetStreamState);
        ::Sleep(1500); // several periods of the refresh timer
        EXPECT_EQ(Requests(kSimGetStreamState), beforeOksBox) << "a refresh after OK";
        ui::AnswerMessageBox(box);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(Writes(), 2u);
}

} // namespace
