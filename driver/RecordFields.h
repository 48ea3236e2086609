#pragma once
#include "driver/LevelTables.h"
#include "driver/RateTableEntry.h"
#include "driver/WireWords.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// Where each field of the settings record lies; all fields are little-endian 32-bit words.
namespace RecordLayout {
inline constexpr std::size_t kRateTable = 0;
inline constexpr std::size_t kRateRows = 10;
inline constexpr std::size_t kRateRowBytes = 28;
inline constexpr std::size_t kAsioDirectMonitor = 280;
inline constexpr std::size_t kSmallerAsioBuffer = 284;
inline constexpr std::size_t kBufferLevel = 288;
inline constexpr std::size_t kDriverWord1 = 292;
inline constexpr std::size_t kOffsetAEnabled = 296;
inline constexpr std::size_t kOffsetA = 300;
inline constexpr std::size_t kOffsetBEnabled = 304;
inline constexpr std::size_t kOffsetB = 308;
inline constexpr std::size_t kMidiInLightLoad = 312;
inline constexpr std::size_t kDriverWord2 = 316;
inline constexpr std::size_t kDriverWord3 = 320;
inline constexpr std::size_t kStatus = 324;
inline constexpr std::size_t kWorkingBytes = 324; // every field but the status
inline constexpr std::size_t kRecordBytes = 328;
static_assert(kRateTable + kRateRows * kRateRowBytes == kAsioDirectMonitor);
} // namespace RecordLayout

// The fields shared by the wire record and the working record, over a block of Size bytes.
template <std::size_t Size> class RecordFields {
    static_assert(Size >= RecordLayout::kWorkingBytes);

public:
    static constexpr std::size_t kBytes = Size;

    std::uint8_t* Bytes() { return m_bytes.data(); }
    const std::uint8_t* Bytes() const { return m_bytes.data(); }

    // Rows past the table read as an empty row.
    RateTableEntry RateRow(std::size_t row) const {
        RateTableEntry entry;
        if (row >= RecordLayout::kRateRows) {
            return entry;
        }
        const std::size_t start = RecordLayout::kRateTable + row * RecordLayout::kRateRowBytes;
        for (std::size_t i = 0; i < RateTableEntry::kWords; ++i) {
            entry.words[i] = Word(start + 4 * i);
        }
        return entry;
    }

    std::int32_t AsioDirectMonitor() const { return Word(RecordLayout::kAsioDirectMonitor); }
    std::int32_t SmallerAsioBuffer() const { return Word(RecordLayout::kSmallerAsioBuffer); }
    std::int32_t BufferLevel() const { return Word(RecordLayout::kBufferLevel); }
    std::int32_t DriverWord1() const { return Word(RecordLayout::kDriverWord1); }
    std::int32_t OffsetAEnabled() const { return Word(RecordLayout::kOffsetAEnabled); }
    std::int32_t OffsetA() const { return Word(RecordLayout::kOffsetA); }
    std::int32_t OffsetBEnabled() const { return Word(RecordLayout::kOffsetBEnabled); }
    std::int32_t OffsetB() const { return Word(RecordLayout::kOffsetB); }
    std::int32_t MidiInLightLoad() const { return Word(RecordLayout::kMidiInLightLoad); }
    std::int32_t DriverWord2() const { return Word(RecordLayout::kDriverWord2); }
    std::int32_t DriverWord3() const { return Word(RecordLayout::kDriverWord3); }

    void SetAsioDirectMonitor(std::int32_t v) { SetWord(RecordLayout::kAsioDirectMonitor, v); }
    void SetSmallerAsioBuffer(std::int32_t v) { SetWord(RecordLayout::kSmallerAsioBuffer, v); }
    void SetBufferLevel(std::int32_t v) { SetWord(RecordLayout::kBufferLevel, v); }
    void SetDriverWord1(std::int32_t v) { SetWord(RecordLayout::kDriverWord1, v); }
    void SetOffsetAEnabled(std::int32_t v) { SetWord(RecordLayout::kOffsetAEnabled, v); }
    void SetOffsetA(std::int32_t v) { SetWord(RecordLayout::kOffsetA, v); }
    void SetOffsetBEnabled(std::int32_t v) { SetWord(RecordLayout::kOffsetBEnabled, v); }
    void SetOffsetB(std::int32_t v) { SetWord(RecordLayout::kOffsetB, v); }
    void SetMidiInLightLoad(std::int32_t v) { SetWord(RecordLayout::kMidiInLightLoad, v); }
    void SetDriverWord2(std::int32_t v) { SetWord(RecordLayout::kDriverWord2, v); }
    void SetDriverWord3(std::int32_t v) { SetWord(RecordLayout::kDriverWord3, v); }

    // The values used before the driver's record is known; the rate table has none.
    void SetDefaults() {
        SetAsioDirectMonitor(0);
        SetSmallerAsioBuffer(0);
        SetBufferLevel(kDefaultBufferLevel);
        SetDriverWord1(1);
        SetOffsetAEnabled(1);
        SetOffsetA(0);
        SetOffsetBEnabled(1);
        SetOffsetB(0);
        SetMidiInLightLoad(0);
        SetDriverWord2(1);
        SetDriverWord3(0);
    }

    // Takes every field but the status from another record.
    template <std::size_t Other> void AssignFields(const RecordFields<Other>& other) {
        std::copy_n(other.Bytes(), RecordLayout::kWorkingBytes, m_bytes.begin());
    }

protected:
    std::int32_t Word(std::size_t offset) const { return LoadSignedWord(m_bytes, offset); }
    void SetWord(std::size_t offset, std::int32_t value) { StoreWord(m_bytes, offset, value); }

private:
    std::array<std::uint8_t, Size> m_bytes{};
};
