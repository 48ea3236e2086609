// The device unplugged just before each operation of one whole session in turn: every run ends
// as the windows promise for the point where the unplug lands, and leaves no link open.

#include "tests/win/faults/FaultFixture.h"
#include "tests/win/faults/UnplugPhases.h"

#include "app/ResourceIds.h"
#include "tests/win/support/UiDriver.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <map>

namespace {

using Kind = Outcome::Kind;

enum class StepKind { Start, Refresh, Slider, Apply, Ok };
struct Step {
    StepKind kind;
    std::int32_t rate; // the unit's stream rate for a refresh
};
// Start (presence, read, first refresh), three refreshes at changing rates so that each shows
// something new, the slider one step right, Apply answered 1 and 1 again, OK answered 0.
constexpr Step kSession[] = {{StepKind::Start, 0},       {StepKind::Refresh, 44100},
                             {StepKind::Refresh, 96000}, {StepKind::Refresh, 192000},
                             {StepKind::Slider, 0},      {StepKind::Apply, 0},
                             {StepKind::Ok, 0}};
const std::vector<std::int32_t> kWriteAnswers = {1, 1, 0};
constexpr int kLevelAfterSlider = 6;

struct SessionRun {
    bool opened = false;                   // the settings window got its title
    std::vector<std::uint32_t> stepStarts; // operations counted as each step began
    std::vector<DisplayTexts> displays;    // after each step run with the window open
    int sliderPosition = -1;
    Outcome apply;
    Outcome ok;
    INT_PTR result = 0;
    std::uint32_t writes = 0; // writes the device served
};

struct Landing {
    UnplugPhase phase = UnplugPhase::AfterLastRequest;
    std::uint32_t refused = 0; // operation of the first request refused; 0 when none is
    int lastShownStep = -1;    // step of the last refresh that still went through
};

int StepOf(const SessionRun& clean, std::uint32_t operation) {
    int step = 0;
    while (static_cast<std::size_t>(step + 1) < clean.stepStarts.size() &&
           clean.stepStarts[step + 1] < operation) {
        ++step;
    }
    return step;
}

// An unplug just before operation unplugAt: the first request from there on that the device
// served in the clean run is the first one refused. An unplug before a close, or before the
// open of a link that is absent anyway, changes nothing by itself.
Landing LandingOf(const SessionRun& clean, const std::vector<SimTraceEntry>& trace,
                  std::uint32_t unplugAt) {
    Landing landing;
    bool readServed = false;
    std::uint32_t writesServed = 0;
    std::uint32_t refusedCode = 0;
    for (std::uint32_t i = 0; i < trace.size() && refusedCode == 0; ++i) {
        const std::uint32_t operation = i + 1;
        if (trace[i].operation != kSimControl || trace[i].accepted == 0) {
            continue;
        }
        if (operation >= unplugAt) {
            landing.refused = operation;
            refusedCode = trace[i].code;
        } else if (trace[i].code == kSimGetStreamState) {
            landing.lastShownStep = StepOf(clean, operation);
        }
        readServed = readServed || (refusedCode == 0 && trace[i].code == kSimGetSettings);
        writesServed += refusedCode == 0 && trace[i].code == kSimSetSettings ? 1 : 0;
    }
    landing.phase = PhaseOf(readServed, writesServed, refusedCode);
    return landing;
}

DisplayTexts ExpectedDisplay(const SessionRun& clean, const Landing& landing, std::size_t step) {
    if (landing.lastShownStep < 0) {
        return DisplayTexts::Template();
    }
    return clean.displays[std::min(step, static_cast<std::size_t>(landing.lastShownStep))];
}

class UnplugFixture : public FaultFixture {
protected:
    SessionRun RunSession(std::uint32_t unplugAt) {
        model->Reset();
        ScriptWrites(0, kWriteAnswers);
        SetUnplugAt(unplugAt);
        SessionRun run;
        run.result = Run([&] { Drive(run); });
        run.writes = Writes();
        return run;
    }

private:
    void Drive(SessionRun& run) {
        HWND settings = nullptr;
        HWND noDevice = nullptr;
        ASSERT_TRUE(WaitForStart(settings, noDevice));
        run.stepStarts.push_back(0);
        if (settings == nullptr) {
            Dismiss({Shown::NoDevice, noDevice}, nullptr);
            return;
        }
        run.opened = true;
        run.displays.push_back(Display(settings));
        for (std::size_t step = 1; step < std::size(kSession); ++step) {
            run.stepStarts.push_back(Operations());
            if (!RunStep(kSession[step], settings, run)) {
                return;
            }
            run.displays.push_back(Display(settings));
        }
    }

    // False once the settings window has ended.
    bool RunStep(const Step& step, HWND settings, SessionRun& run) {
        switch (step.kind) {
        case StepKind::Refresh:
            EditUnit(0, [&](SimUnitScenario& unit) { unit.streamRate = step.rate; });
            Refresh(settings);
            return true;
        case StepKind::Slider:
            SendKey(::GetDlgItem(settings, IDC_SLD_BUFFER_SIZE), VK_RIGHT);
            run.sliderPosition = static_cast<int>(
                ::SendDlgItemMessageW(settings, IDC_SLD_BUFFER_SIZE, TBM_GETPOS, 0, 0));
            return true;
        case StepKind::Apply:
            ui::Click(settings, IDC_BTN_APPLY);
            run.apply =
                AwaitOutcome(settings, [&] { return !ui::IsEnabled(settings, IDC_BTN_APPLY); });
            return Dismiss(ShownOf(run.apply), settings);
        case StepKind::Ok:
            ui::Click(settings, IDOK);
            run.ok = AwaitOutcome(settings, [&] { return !::IsWindow(settings); });
            Dismiss(ShownOf(run.ok), settings);
            return false;
        case StepKind::Start:
            break;
        }
        return false;
    }
};

TEST_F(UnplugFixture, EveryRunEndsAsTheWindowsPromiseForWhereTheUnplugLands) {
    const SessionRun clean = RunSession(0);
    const std::vector<SimTraceEntry> trace = Trace();
    const std::uint32_t operations = Operations();
    ASSERT_LE(operations, kSimTraceCapacity);
    ASSERT_EQ(clean.displays.size(), std::size(kSession) - 1);
    for (std::size_t step = 1; step < clean.displays.size() - 1; ++step) {
        ASSERT_NE(clean.displays[step], clean.displays[step - 1]) << "step " << step;
    }
    ASSERT_EQ(clean.ok.kind, Kind::Nothing);
    ExpectOpensEqualCloses();

    std::map<UnplugPhase, std::vector<std::uint32_t>> unplugsByPhase;
    for (std::uint32_t unplugAt = 1; unplugAt <= operations; ++unplugAt) {
        const Landing landing = LandingOf(clean, trace, unplugAt);
        const UnplugOutcome& expected = OutcomeOf(landing.phase);
        SCOPED_TRACE(testing::Message()
                     << "unplug before operation " << unplugAt << " of " << operations << ", phase "
                     << expected.name << ", first refused " << landing.refused);
        const SessionRun run = RunSession(unplugAt);
        EXPECT_EQ(run.opened, expected.opens);
        EXPECT_EQ(ShownOf(run.apply).shown, expected.apply);
        if (expected.apply == Shown::Message) {
            EXPECT_EQ(run.apply.text, LoadWide(texts, IDS_CONF_WAVE));
        }
        EXPECT_EQ(ShownOf(run.ok).shown, expected.ok);
        EXPECT_EQ(run.result, expected.result);
        EXPECT_EQ(run.writes, expected.writes);
        if (expected.opens) {
            EXPECT_EQ(run.sliderPosition, kLevelAfterSlider);
        }
        for (std::size_t step = 0; step < run.displays.size(); ++step) {
            EXPECT_EQ(run.displays[step], ExpectedDisplay(clean, landing, step))
                << "after step " << step;
        }
        ExpectOpensEqualCloses();
        unplugsByPhase[landing.phase].push_back(unplugAt);
    }
    for (const UnplugOutcome& outcome : UnplugOutcomes()) {
        const std::vector<std::uint32_t>& at = unplugsByPhase[outcome.phase];
        std::printf("unplug in %-32s %2zu runs (operations %u to %u)\n", outcome.name, at.size(),
                    at.empty() ? 0u : at.front(), at.empty() ? 0u : at.back());
    }
}

} // namespace
