#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// Indexed by the buffer level 0 to 9; their product bounds the two offsets of the record.
inline constexpr std::array<std::int32_t, 10> LevelMultiplier = {1, 1, 1, 1, 2, 2, 3, 4, 5, 6};
inline constexpr std::array<std::int32_t, 10> LevelDepth = {2, 3, 4, 5, 3, 4, 4, 4, 5, 7};

inline constexpr std::int32_t kMinBufferLevel = 0;
inline constexpr std::int32_t kMaxBufferLevel = 9;
inline constexpr std::int32_t kDefaultBufferLevel = 5;

// A driver may hand back any level; lookups use the nearest valid one so that no table is
// read out of bounds, while the record itself keeps what the driver sent.
constexpr std::size_t LevelIndex(std::int32_t level) {
    if (level < kMinBufferLevel) {
        return kMinBufferLevel;
    }
    if (level > kMaxBufferLevel) {
        return kMaxBufferLevel;
    }
    return static_cast<std::size_t>(level);
}

constexpr std::int32_t LevelBound(std::int32_t level) {
    return LevelMultiplier[LevelIndex(level)] * LevelDepth[LevelIndex(level)];
}

static_assert(LevelBound(9) == 42 && LevelBound(0) == 2 && LevelBound(5) == 8);
