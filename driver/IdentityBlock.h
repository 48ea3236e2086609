#pragma once
#include "driver/ControlCodes.h"

#include <array>
#include <cstddef>
#include <cstdint>

// A unit's answer to IOCTL_DRV_GET_IDENTITY: a length word at offset 4 and up to 2048 bytes
// of identity data from offset 8.
class IdentityBlock {
public:
    static constexpr std::size_t kBytes = kIdentityRequestBytes;
    static constexpr std::size_t kLengthOffset = 4;
    static constexpr std::size_t kDataOffset = 8;
    static constexpr std::size_t kDataBytes = kBytes - kDataOffset;

    std::uint8_t* Bytes() { return m_bytes.data(); }
    const std::uint8_t* Bytes() const { return m_bytes.data(); }

    // The length as the unit reports it; it may exceed the data area.
    std::uint32_t Length() const;

    // Same when the reported lengths are equal and the significant bytes are equal with ASCII
    // letters compared without case. A length beyond the data area cannot be compared past
    // it: two such identities are judged on the 2048 bytes both blocks hold.
    bool SameIdentity(const IdentityBlock& other) const;

private:
    std::array<std::uint8_t, kBytes> m_bytes{};
};
