#pragma once
// Where in a scripted session the device was unplugged, and what the windows promise for each
// point. The session: start (presence check, read, first refresh), refreshes, a slider move,
// Apply answered 1 and 1 again (its message answered), OK answered 0. Shared by the
// in-process run at every operation and the end-to-end runs against the kernel driver.

#include "tests/win/faults/ShownWindow.h"

#include <cstdint>
#include <span>

// The phase is that of the first request the device would have served after the unplug:
// that request is the first one refused, and everything before it went through.
enum class UnplugPhase { Start, Refresh, FirstWrite, SecondWrite, OkWrite, AfterLastRequest };

struct UnplugOutcome {
    UnplugPhase phase;
    const char* name;
    bool opens;  // else the no-device window comes up at start in the settings window's place
    Shown apply; // what Apply shows
    Shown ok;    // what OK shows
    int result;  // how the settings window ends
    std::uint32_t writes; // writes the device served
};

std::span<const UnplugOutcome> UnplugOutcomes();
const UnplugOutcome& OutcomeOf(UnplugPhase phase);

// The phase from what the device did: whether it served the read, how many writes it served,
// and the code of the first request it refused (0 when none was refused).
UnplugPhase PhaseOf(bool readServed, std::uint32_t writesServed, std::uint32_t firstRefusedCode);
