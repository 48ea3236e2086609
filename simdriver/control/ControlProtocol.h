#pragma once
// The private protocol of the simulated driver's control device, \\.\Qzwm4406ctl.
// Shared by the 64-bit kernel driver and 32-bit clients, so every structure that travels is
// built from fixed-width words only and has the same layout in both widths.
//
// Every code is buffered and checked for exact lengths; a request with any other length is
// refused without its buffer being read or written.

#include "simdriver/DeviceModel.h"

#include <stdint.h>

// Link name of the control device below \DosDevices (and \\.\ for clients): the device link
// base name followed by this suffix.
inline constexpr char16_t kSimControlLinkSuffix[] = u"ctl";

constexpr uint32_t SimControlCode(uint32_t function) {
    // FILE_DEVICE_UNKNOWN, METHOD_BUFFERED, FILE_ANY_ACCESS.
    return (0x22u << 16) | (function << 2);
}

// Back to the embedded default; counters and trace cleared. In 0, out 0.
constexpr uint32_t kSimCtlReset = SimControlCode(0xA00);
// Replace the whole scenario (counters and trace kept). In sizeof(SimScenario), out 0.
constexpr uint32_t kSimCtlSetScenario = SimControlCode(0xA01);
// The scenario as it stands now. In 0, out sizeof(SimScenario).
constexpr uint32_t kSimCtlGetScenario = SimControlCode(0xA02);
// In 0, out sizeof(SimCounters).
constexpr uint32_t kSimCtlGetCounters = SimControlCode(0xA03);
// One page of the trace. In sizeof(SimTraceQuery), out sizeof(SimTracePage).
constexpr uint32_t kSimCtlGetTrace = SimControlCode(0xA04);
// Counters and trace cleared, scenario kept. In 0, out 0.
constexpr uint32_t kSimCtlClearCounters = SimControlCode(0xA05);

constexpr uint32_t kSimTracePageEntries = 128;

struct SimTraceQuery {
    uint32_t first; // index of the first entry wanted
};

struct SimTracePage {
    uint32_t kept;  // entries the driver keeps (at most kSimTraceCapacity)
    uint32_t total; // entries ever traced since the last reset or clear
    uint32_t first; // index of entries[0]
    uint32_t count; // valid entries in this page
    SimTraceEntry entries[kSimTracePageEntries];
};

// Input length, output length of a control-device code; false for a code it does not know.
constexpr bool SimControlLengths(uint32_t code, uint32_t& inLength, uint32_t& outLength) {
    inLength = 0;
    outLength = 0;
    switch (code) {
    case kSimCtlReset:
    case kSimCtlClearCounters:
        return true;
    case kSimCtlSetScenario:
        inLength = sizeof(SimScenario);
        return true;
    case kSimCtlGetScenario:
        outLength = sizeof(SimScenario);
        return true;
    case kSimCtlGetCounters:
        outLength = sizeof(SimCounters);
        return true;
    case kSimCtlGetTrace:
        inLength = sizeof(SimTraceQuery);
        outLength = sizeof(SimTracePage);
        return true;
    default:
        return false;
    }
}

// The layouts a 32-bit client and the 64-bit driver must agree on.
static_assert(sizeof(SimTraceEntry) == 16);
static_assert(sizeof(SimUnitScenario) == 2524);
static_assert(sizeof(SimScenario) == 4 * 2524 + 4);
static_assert(sizeof(SimCounters) == 152);
static_assert(sizeof(SimTraceQuery) == 4);
static_assert(sizeof(SimTracePage) == 16 + 16 * kSimTracePageEntries);
static_assert(alignof(SimScenario) == 4 && alignof(SimCounters) == 4 && alignof(SimTracePage) == 4);
