#include "tests/win/faults/UnplugPhases.h"

#include "simdriver/DeviceModel.h"

#include <windows.h>

#include <algorithm>
#include <array>

namespace {

// From a refresh on, the display keeps what the last refresh before the unplug showed and
// the session goes on until a write, or Apply's presence check, meets the absence. A write
// from Apply that reaches no device ends the window with IDCANCEL, one from OK with IDOK.
constexpr std::array<UnplugOutcome, 6> kOutcomes = {{
    {UnplugPhase::Start, "start: presence or read", false, Shown::NotReached, Shown::NotReached,
     IDCANCEL, 0},
    {UnplugPhase::Refresh, "a refresh", true, Shown::NoDevice, Shown::NotReached, IDCANCEL, 0},
    {UnplugPhase::FirstWrite, "Apply: presence or first write", true, Shown::NoDevice,
     Shown::NotReached, IDCANCEL, 0},
    {UnplugPhase::SecondWrite, "Apply: repeated write", true, Shown::NoDevice, Shown::NotReached,
     IDCANCEL, 1},
    {UnplugPhase::OkWrite, "OK: write", true, Shown::Message, Shown::NoDevice, IDOK, 2},
    {UnplugPhase::AfterLastRequest, "after the last request", true, Shown::Message, Shown::Nothing,
     IDOK, 3},
}};

} // namespace

std::span<const UnplugOutcome> UnplugOutcomes() {
    return kOutcomes;
}

const UnplugOutcome& OutcomeOf(UnplugPhase phase) {
    return *std::find_if(kOutcomes.begin(), kOutcomes.end(),
                         [&](const UnplugOutcome& o) { return o.phase == phase; });
}

UnplugPhase PhaseOf(bool readServed, std::uint32_t writesServed, std::uint32_t firstRefusedCode) {
    if (!readServed) {
        return UnplugPhase::Start;
    }
    switch (writesServed) {
    case 0:
        return firstRefusedCode == kSimGetStreamState ? UnplugPhase::Refresh
                                                      : UnplugPhase::FirstWrite;
    case 1:
        return UnplugPhase::SecondWrite;
    case 2:
        return UnplugPhase::OkWrite;
    default:
        return UnplugPhase::AfterLastRequest;
    }
}
