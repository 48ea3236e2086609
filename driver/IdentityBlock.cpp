#include "driver/IdentityBlock.h"

#include "driver/WireWords.h"

#include <algorithm>

namespace {
std::uint8_t FoldAsciiCase(std::uint8_t byte) {
    return (byte >= 0x41 && byte <= 0x5A) ? static_cast<std::uint8_t>(byte + 0x20) : byte;
}
} // namespace

std::uint32_t IdentityBlock::Length() const {
    return LoadUnsignedWord(m_bytes, kLengthOffset);
}

bool IdentityBlock::SameIdentity(const IdentityBlock& other) const {
    if (Length() != other.Length()) {
        return false;
    }
    const std::size_t significant = std::min<std::size_t>(Length(), kDataBytes);
    const std::uint8_t* mine = m_bytes.data() + kDataOffset;
    const std::uint8_t* theirs = other.m_bytes.data() + kDataOffset;
    return std::equal(mine, mine + significant, theirs, [](std::uint8_t a, std::uint8_t b) {
        return FoldAsciiCase(a) == FoldAsciiCase(b);
    });
}
