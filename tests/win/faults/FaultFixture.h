#pragma once
// The settings window in-process as the other window tests have it, with its refresh timer
// held back: every refresh of the display is one the test makes, so a run's device operations
// can be counted and repeated exactly.

#include "tests/win/faults/DisplayTexts.h"
#include "tests/win/faults/RefreshTimerBlock.h"
#include "tests/win/faults/ShownWindow.h"
#include "tests/win/ui/SettingsWindowFixture.h"

#include <string>
#include <vector>

// How a window run that opens, is looked at and is closed with OK went.
struct OkRun {
    bool opened = false; // else the no-device window came at start
    Outcome ok;          // what OK showed
    INT_PTR result = 0;
};

class FaultFixture : public SettingsWindowFixture {
protected:
    // Waits for the settings window with its title, initialised, or for the no-device window
    // that comes in its place at start; false when neither came.
    bool WaitForStart(HWND& settings, HWND& noDevice) const;
    static ShownWindow ShownOf(const Outcome& outcome);
    // Runs the window; when it opens, look sees it, then OK is pressed and what that shows is
    // answered. When the no-device window comes instead, it is closed.
    OkRun RunAndOk(const std::function<void(HWND)>& look);

    static DisplayTexts Display(HWND settings) { return DisplayTexts::Read(settings); }
    // One refresh on the window's thread, as a tick of its timer makes it.
    static void Refresh(HWND settings);

    // Operations (opens, closes, requests) the model counted since its last reset.
    std::uint32_t Operations();
    std::vector<SimTraceEntry> Trace();
    void SetUnplugAt(std::uint32_t operation);
    // Every handle the window opened is closed: in the model, per unit, and at the seam.
    void ExpectOpensEqualCloses();

private:
    RefreshTimerBlock m_timerBlock;
};
