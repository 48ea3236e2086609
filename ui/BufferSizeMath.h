#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The arithmetic behind the buffer size line, the meter and the tick labels, apart from the
// window so that it can be checked on its own.

// ASIO buffer size in samples for a rate, a level, the smaller-buffer switch and the number
// of units streaming together.
std::int32_t AsioBufferSamples(std::int32_t currentRate, std::int32_t bufferLevel,
                               std::int32_t smallerAsioBuffer, std::uint32_t unitCount);

struct MeterLengths {
    std::int64_t realTime;
    std::int64_t stability;
};
// Letters in the two meter rows for the slider's range maximum and position and the
// smaller-buffer check state (0 or 1).
MeterLengths MeterRowLengths(std::int32_t rangeMax, std::int32_t position,
                             std::int32_t smallerChecked);
// count capital letters O; empty for 0 or less.
std::u16string MeterText(std::int64_t count);

// printf rules for the one integer conversion of the size line ("%4d" and its relatives:
// flags, width, d or i). "%%" gives a percent sign; any other conversion is copied as it
// stands, so a translated text can never make the formatter read an argument it lacks.
std::u16string FormatSampleCount(std::u16string_view format, std::int32_t value);

// Left edge that centres a label of the given width under a tick at x: x - width / 2,
// rounded down.
std::int32_t CenteredLeft(std::int32_t tickX, std::int32_t width);
