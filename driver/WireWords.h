#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

// Little-endian 32-bit words inside a driver buffer. A word that does not lie wholly inside
// the buffer reads as 0 and is not written, whatever offset a caller computes.

inline bool WordFits(std::size_t size, std::size_t offset) {
    return offset <= size && size - offset >= 4;
}

inline std::uint32_t LoadUnsignedWord(std::span<const std::uint8_t> bytes, std::size_t offset) {
    if (!WordFits(bytes.size(), offset)) {
        return 0;
    }
    return std::uint32_t{bytes[offset]} | std::uint32_t{bytes[offset + 1]} << 8 |
           std::uint32_t{bytes[offset + 2]} << 16 | std::uint32_t{bytes[offset + 3]} << 24;
}

inline std::int32_t LoadSignedWord(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::int32_t>(LoadUnsignedWord(bytes, offset));
}

inline void StoreWord(std::span<std::uint8_t> bytes, std::size_t offset, std::int32_t value) {
    if (!WordFits(bytes.size(), offset)) {
        return;
    }
    const auto word = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::uint8_t>(word >> (8 * i));
    }
}
