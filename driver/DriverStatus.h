#pragma once
#include <cstdint>

// The driver's answer to a write, and the folded result of a write to every slot.
using DriverStatus = std::int32_t;

inline constexpr DriverStatus kStatusInEffect = 0;
inline constexpr DriverStatus kStatusDeviceInUse = 1;
inline constexpr DriverStatus kStatusReconnect = 2;
inline constexpr DriverStatus kStatusReconnectAlso = 3;

// Adds one slot's answer to the fold: reconnect outranks in-use, which outranks in-effect;
// values without a meaning leave the fold as it was.
constexpr DriverStatus FoldStatus(DriverStatus folded, DriverStatus answer) {
    if (answer == kStatusReconnect || answer == kStatusReconnectAlso) {
        return kStatusReconnect;
    }
    if (answer == kStatusDeviceInUse && folded != kStatusReconnect) {
        return kStatusDeviceInUse;
    }
    return folded;
}
