#pragma once
#include "platform/KernelPort.h"

#include <cstddef>
#include <cstdint>

// One device link of the driver. Every operation opens the link, does its one thing and
// closes it again; no handle outlives a call.
class DeviceSlot {
public:
    static constexpr std::size_t kPathUnits = 260;

    std::int32_t index = 0;
    char16_t path[kPathUnits] = {};

    // Sets index and the path of link number index + 1.
    void Build(std::int32_t slotIndex);

    // True when the link opens; it is closed at once and nothing is sent.
    bool Probe(KernelPort& kernel) const;

    // One request with buffer as input and output; the link is closed whatever happened.
    // True exactly when the driver completed the request successfully.
    bool SendRequest(KernelPort& kernel, std::uint32_t code, void* buffer,
                     std::uint32_t length) const;
};
