#pragma once
// The real applet against the kernel driver, with the device made to misbehave: unplugged
// at a chosen operation, or with the installer's registry strings changed for one test.
//
// Under Wine every open that reaches the driver yields a handle, also one the driver refused
// because the unit had just gone away; the applet closes that handle too. So the proof that
// the applet closed every link it opened is closes == opens + refused opens, per unit, once
// the closes (which reach the driver some time after CloseHandle returns) have arrived.

#include "tests/e2e/ui/AppletFixture.h"
#include "tests/win/faults/UnplugPhases.h"

#include <functional>

class FaultAppletFixture : public AppletFixture {
protected:
    void TearDown() override;

    // Every unit goes away before the operation that comes `after` operations from now.
    void UnplugAfter(std::uint32_t after);
    bool Unplugged() const;
    // Requests of a code the units served, and the code of the first one they refused (0: none).
    std::uint32_t Served(std::uint32_t code) const;
    std::uint32_t FirstRefusedCode() const;

    // Waits for the applet's message box or its no-device window, or, once begun holds and the
    // applet waits for messages again, for neither.
    ShownWindow AwaitShown(const AppletProcess& applet, HWND settings,
                           const std::function<bool()>& begun) const;

    // The counters once every handle the applet was given has been closed (bounded wait).
    SimCounters SettledCounters() const;
};
