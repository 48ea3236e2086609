#pragma once
#include <cstdint>

// How many units stream together and the sample rate they run at, in Hz.
struct StreamState {
    std::uint32_t unitCount = 0;
    std::int32_t currentRate = 0;
};
