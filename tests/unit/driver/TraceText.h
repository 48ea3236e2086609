#pragma once
// The device model's trace written out as text, so that a test states the exact request
// sequence in one line: "o2" an open of unit 2 that succeeded, "x2" one that failed, "c2" a
// close, and a request by its code letter (G get settings, S set settings, T stream state,
// I identity, M match mode, R sample rate) followed by "!" when the unit failed it.

#include "simdriver/DeviceModel.h"

#include <string>

inline std::string TraceCodeLetter(std::uint32_t code) {
    switch (code) {
    case kSimGetSettings:
        return "G";
    case kSimSetSettings:
        return "S";
    case kSimGetStreamState:
        return "T";
    case kSimGetIdentity:
        return "I";
    case kSimGetMatchMode:
        return "M";
    case kSimGetSampleRate:
        return "R";
    default:
        return "?";
    }
}

inline std::string TraceEntryText(const SimTraceEntry& entry) {
    const std::string unit = std::to_string(entry.unit);
    switch (entry.operation) {
    case kSimOpen:
        return (entry.accepted != 0 ? "o" : "x") + unit;
    case kSimClose:
        return "c" + unit;
    default:
        return TraceCodeLetter(entry.code) + unit + (entry.accepted != 0 ? "" : "!");
    }
}

template <typename Entries> std::string TraceText(const Entries& entries) {
    std::string text;
    for (const SimTraceEntry& entry : entries) {
        text += text.empty() ? "" : " ";
        text += TraceEntryText(entry);
    }
    return text;
}
