#include "ui/BufferSizeMath.h"

#include "driver/LevelTables.h"

#include <array>

namespace {

struct RateBand {
    std::int32_t upToRate;
    std::int64_t switchOff;
    std::int64_t switchOn;
};

constexpr std::array<RateBand, 5> kRateBands = {{
    {44100, 144, 96},
    {48000, 160, 112},
    {88200, 288, 208},
    {96000, 320, 224},
    {192000, 672, 464},
}};

constexpr std::int64_t RoundUpTo16(std::int64_t value) { return (value + 15) / 16 * 16; }

// Above the last band the size follows the rate. Worked in 64 bits: the product of the
// factor and a rate near the top of the 32-bit range does not fit in 32 bits, while the
// result always does.
std::int64_t BaseSamples(std::int32_t rate, bool smaller) {
    for (const RateBand& band : kRateBands) {
        if (rate <= band.upToRate) {
            return smaller ? band.switchOn : band.switchOff;
        }
    }
    const std::int64_t k = smaller ? 24 : 34;
    const std::int64_t q = (k * rate + 9999) / 10000;
    return RoundUpTo16(q);
}

// Factor in halves by unit count; 0 for counts that are not scaled.
std::int64_t UnitFactor(std::uint32_t unitCount) {
    constexpr std::array<std::int64_t, 5> kFactors = {2, 2, 3, 4, 5};
    return unitCount < kFactors.size() ? kFactors[unitCount] : 0;
}

} // namespace

std::int32_t AsioBufferSamples(std::int32_t currentRate, std::int32_t bufferLevel,
                               std::int32_t smallerAsioBuffer, std::uint32_t unitCount) {
    std::int64_t size = BaseSamples(currentRate, smallerAsioBuffer != 0) *
                        LevelMultiplier[LevelIndex(bufferLevel)];
    const std::int64_t factor = UnitFactor(unitCount);
    if (factor != 0) {
        size = RoundUpTo16(size * factor / 2);
    }
    return static_cast<std::int32_t>(size);
}

MeterLengths MeterRowLengths(std::int32_t rangeMax, std::int32_t position,
                             std::int32_t smallerChecked) {
    const std::int64_t stability = std::int64_t{position} + 1 + (smallerChecked == 0 ? 1 : 0);
    return {std::int64_t{rangeMax} + 3 - stability, stability};
}

std::u16string MeterText(std::int64_t count) {
    return count > 0 ? std::u16string(static_cast<std::size_t>(count), u'O') : std::u16string();
}

namespace {

struct Conversion {
    bool leftAlign = false;
    bool zeroPad = false;
    char16_t sign = 0; // '+', ' ' or none
    std::size_t width = 0;
};

// Parses flags, width and the conversion letter after a '%' at format[start]. Returns the
// index after the conversion, or 0 when it is not an integer conversion.
std::size_t ParseConversion(std::u16string_view format, std::size_t start, Conversion& c) {
    std::size_t i = start + 1;
    for (; i < format.size(); ++i) {
        const char16_t f = format[i];
        if (f == u'-') {
            c.leftAlign = true;
        } else if (f == u'0') {
            c.zeroPad = true;
        } else if (f == u'+' || (f == u' ' && c.sign != u'+')) {
            c.sign = f;
        } else {
            break;
        }
    }
    for (; i < format.size() && format[i] >= u'0' && format[i] <= u'9'; ++i) {
        c.width = c.width * 10 + static_cast<std::size_t>(format[i] - u'0');
        if (c.width > 64) {
            return 0;
        }
    }
    if (i < format.size() && (format[i] == u'd' || format[i] == u'i')) {
        return i + 1;
    }
    return 0;
}

std::u16string FormatInteger(std::int32_t value, const Conversion& c) {
    std::u16string digits;
    std::int64_t magnitude = value < 0 ? -std::int64_t{value} : value;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    std::u16string sign;
    if (value < 0) {
        sign = u"-";
    } else if (c.sign != 0) {
        sign = std::u16string(1, c.sign);
    }
    const std::size_t length = sign.size() + digits.size();
    if (length >= c.width) {
        return sign + digits;
    }
    const std::size_t fill = c.width - length;
    if (c.leftAlign) {
        return sign + digits + std::u16string(fill, u' ');
    }
    if (c.zeroPad) {
        return sign + std::u16string(fill, u'0') + digits;
    }
    return std::u16string(fill, u' ') + sign + digits;
}

} // namespace

std::u16string FormatSampleCount(std::u16string_view format, std::int32_t value) {
    std::u16string out;
    std::size_t i = 0;
    while (i < format.size()) {
        if (format[i] != u'%') {
            out += format[i++];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == u'%') {
            out += u'%';
            i += 2;
            continue;
        }
        Conversion conversion;
        const std::size_t next = ParseConversion(format, i, conversion);
        if (next == 0) {
            out += format[i++];
            continue;
        }
        out += FormatInteger(value, conversion);
        i = next;
    }
    return out;
}

std::int32_t CenteredLeft(std::int32_t tickX, std::int32_t width) {
    const std::int32_t half = width >= 0 ? width / 2 : -((-width + 1) / 2);
    return tickX - half;
}
