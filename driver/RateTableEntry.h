#pragma once
#include <array>
#include <cstdint>

// One row of the driver's per-rate table. Only the driver knows what words 1 to 6 mean.
struct RateTableEntry {
    static constexpr std::size_t kWords = 7;
    std::array<std::int32_t, kWords> words{};

    std::int32_t SampleRate() const { return words[0]; }
};
