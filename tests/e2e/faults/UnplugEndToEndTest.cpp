// The device unplugged at one point of each phase of a session, end to end: the real applet,
// its real refresh timer and the kernel driver. Where the unplug really landed is read from
// the driver afterwards, and the run must end as the windows promise for that phase.

#include "tests/e2e/faults/FaultAppletFixture.h"
#include "tests/win/faults/DisplayTexts.h"

#include "app/ResourceIds.h"
#include "tests/win/support/UiDriver.h"

#include <commctrl.h>

#include <cstdio>

namespace {

// When the unplug is set: before the applet starts (operation counted from the driver's reset)
// or right before a step (operations counted from then on).
enum class Moment { BeforeStart, AfterOpening, BeforeApply, BeforeOk };

struct UnplugCase {
    const char* name;
    Moment moment;
    std::uint32_t operation;
    UnplugPhase aim;
};

// Operations as the driver sees them: an open and a close for a presence probe, and open,
// request, close for a request; opens of links that do not exist never reach it. With one
// unit, Apply is a probe (2) and a write (probe and request, 5); the repeated write follows.
const UnplugCase kCases[] = {
    {"presence check", Moment::BeforeStart, 1, UnplugPhase::Start},
    {"read", Moment::BeforeStart, 4, UnplugPhase::Start},
    {"timer refresh", Moment::AfterOpening, 1, UnplugPhase::Refresh},
    {"Apply's first write", Moment::BeforeApply, 3, UnplugPhase::FirstWrite},
    {"Apply's repeated write", Moment::BeforeApply, 8, UnplugPhase::SecondWrite},
    {"OK's write", Moment::BeforeOk, 1, UnplugPhase::OkWrite},
};

constexpr int kLevelAfterSlider = 6;
// The default unit at 48000 Hz: 160 samples at the levels with multiplier 1, times 3 at 6.
constexpr int kSamplesAfterSlider = 480;

struct EndToEndRun {
    bool opened = false;
    bool exited = false;
    Shown apply = Shown::NotReached;
    Shown ok = Shown::NotReached;
    DisplayTexts beforeUnplug;
    DisplayTexts afterSlider;
};

class UnplugEndToEnd : public FaultAppletFixture, public ::testing::WithParamInterface<UnplugCase> {
protected:
    EndToEndRun RunSession(const UnplugCase& c) {
        EXPECT_TRUE(control.EditScenario([&](SimScenario& s) {
            const std::int32_t answers[] = {1, 1, 0};
            for (std::uint32_t i = 0; i < 3; ++i) {
                s.units[0].writeStatuses[i] = answers[i];
            }
            s.units[0].writeStatusCount = 3;
            s.unplugAt = c.moment == Moment::BeforeStart ? c.operation : 0;
        }));
        EndToEndRun run;
        AppletProcess applet;
        EXPECT_TRUE(applet.Started());
        Drive(c, applet, run);
        run.exited = applet.WaitForExit();
        return run;
    }

private:
    void Drive(const UnplugCase& c, const AppletProcess& applet, EndToEndRun& run) {
        HWND settings = nullptr;
        HWND noDevice = nullptr;
        ASSERT_TRUE(ui::WaitUntil([&] {
            settings = FindTitledWindow(applet.Id(), title, IDC_SLD_BUFFER_SIZE);
            noDevice = FindTitledWindow(applet.Id(), title, IDC_TXT_NODEV_MSG);
            return settings != nullptr || noDevice != nullptr;
        }));
        if (settings == nullptr) {
            Dismiss({Shown::NoDevice, noDevice}, nullptr);
            return;
        }
        run.opened = true;
        SettleWindow(settings);
        // Refreshes of the window's own timer, before anything else happens.
        ASSERT_TRUE(ui::WaitUntil([&] { return Served(kSimGetStreamState) >= 3; }));
        SettleWindow(settings);
        run.beforeUnplug = DisplayTexts::Read(settings);
        if (c.moment == Moment::AfterOpening) {
            UnplugAfter(c.operation);
            ASSERT_TRUE(ui::WaitUntil([&] { return Unplugged(); }));
            SettleWindow(settings);
        }
        ui::PressKey(::GetDlgItem(settings, IDC_SLD_BUFFER_SIZE), VK_RIGHT);
        ASSERT_TRUE(ui::WaitUntil([&] {
            return ::SendDlgItemMessageW(settings, IDC_SLD_BUFFER_SIZE, TBM_GETPOS, 0, 0) ==
                   kLevelAfterSlider;
        }));
        SettleWindow(settings);
        run.afterSlider = DisplayTexts::Read(settings);

        if (c.moment == Moment::BeforeApply) {
            UnplugAfter(c.operation);
        }
        ui::Click(settings, IDC_BTN_APPLY);
        const ShownWindow apply =
            AwaitShown(applet, settings, [&] { return !ui::IsEnabled(settings, IDC_BTN_APPLY); });
        run.apply = apply.shown;
        if (!Dismiss(apply, settings)) {
            return;
        }
        if (c.moment == Moment::BeforeOk) {
            UnplugAfter(c.operation);
        }
        ui::Click(settings, IDOK);
        const ShownWindow ok = AwaitShown(applet, settings, [&] { return !::IsWindow(settings); });
        run.ok = ok.shown;
        Dismiss(ok, settings);
    }
};

TEST_P(UnplugEndToEnd, EndsAsTheWindowsPromiseForWhereTheUnplugLanded) {
    const UnplugCase& c = GetParam();
    const EndToEndRun run = RunSession(c);
    ASSERT_TRUE(run.exited) << "the applet did not end";

    const SimCounters counters = SettledCounters();
    const std::uint32_t writes = Served(kSimSetSettings);
    const UnplugPhase phase = PhaseOf(Served(kSimGetSettings) > 0, writes, FirstRefusedCode());
    const UnplugOutcome& expected = OutcomeOf(phase);
    std::printf("unplug aimed at the %s landed in phase \"%s\" (%u operations)\n", c.name,
                expected.name, counters.operations);
    if (c.moment == Moment::BeforeStart) {
        EXPECT_EQ(phase, c.aim);
    }
    EXPECT_EQ(run.opened, expected.opens);
    EXPECT_EQ(run.apply, expected.apply);
    EXPECT_EQ(run.ok, expected.ok);
    EXPECT_EQ(writes, expected.writes);
    if (run.opened) {
        // After an unplug in a refresh the display keeps what it showed; otherwise it follows
        // the slider.
        EXPECT_EQ(run.afterSlider,
                  phase == UnplugPhase::Refresh
                      ? run.beforeUnplug
                      : DisplayTexts::English(kSamplesAfterSlider, kLevelAfterSlider));
    }
}

INSTANTIATE_TEST_SUITE_P(Phases, UnplugEndToEnd, ::testing::ValuesIn(kCases));

} // namespace
