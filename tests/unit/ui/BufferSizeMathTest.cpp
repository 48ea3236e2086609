#include "ui/BufferSizeMath.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct SizeCase {
    std::int32_t rate;
    std::int32_t level;
    std::int32_t smaller;
    std::int32_t oneUnit;
    std::int32_t twoUnits;
    std::int32_t fourUnits;
};

// The documented table of displayed sizes.
constexpr SizeCase kSizes[] = {
    {44100, 0, 0, 144, 224, 368},    {44100, 5, 0, 288, 432, 720},
    {44100, 9, 0, 864, 1296, 2160},  {44100, 0, 1, 96, 144, 240},
    {44100, 9, 1, 576, 864, 1440},   {48000, 0, 0, 160, 240, 400},
    {48000, 5, 0, 320, 480, 800},    {48000, 9, 0, 960, 1440, 2400},
    {48000, 0, 1, 112, 176, 288},    {48000, 8, 1, 560, 848, 1408},
    {96000, 9, 0, 1920, 2880, 4800}, {192000, 0, 0, 672, 1008, 1680},
    {192001, 0, 0, 656, 992, 1648},  {192001, 0, 1, 464, 704, 1168},
    {384000, 9, 0, 7872, 11808, 19680},
};

TEST(AsioBufferSamples, MatchesTheTableOfDisplayedSizes) {
    for (const SizeCase& c : kSizes) {
        SCOPED_TRACE(testing::Message() << c.rate << " Hz, level " << c.level << ", switch "
                                        << c.smaller);
        EXPECT_EQ(AsioBufferSamples(c.rate, c.level, c.smaller, 1), c.oneUnit);
        EXPECT_EQ(AsioBufferSamples(c.rate, c.level, c.smaller, 2), c.twoUnits);
        EXPECT_EQ(AsioBufferSamples(c.rate, c.level, c.smaller, 4), c.fourUnits);
    }
}

TEST(AsioBufferSamples, UnitCountsOutsideOneToFour) {
    // No unit and five or more units give the one-unit size; three units double it.
    for (std::uint32_t units : {0u, 5u, 6u, 0xFFFFFFFFu}) {
        EXPECT_EQ(AsioBufferSamples(48000, 5, 0, units), 320) << units;
    }
    EXPECT_EQ(AsioBufferSamples(48000, 5, 0, 3), 640);
}

TEST(AsioBufferSamples, RatesAtAndBeyondTheEdges) {
    EXPECT_EQ(AsioBufferSamples(0, 0, 0, 1), 144);
    EXPECT_EQ(AsioBufferSamples(-1, 0, 1, 1), 96);
    EXPECT_EQ(AsioBufferSamples(INT32_MIN, 0, 0, 1), 144);
    EXPECT_EQ(AsioBufferSamples(44101, 0, 0, 1), 160);
    // Where 34 x rate no longer fits in 32 bits the size keeps following the formula.
    EXPECT_EQ(AsioBufferSamples(63160990, 0, 0, 1), 214752);
    EXPECT_EQ(AsioBufferSamples(INT32_MAX, 0, 0, 1), 7301456);
    EXPECT_EQ(AsioBufferSamples(INT32_MAX, 9, 0, 4), 109521840);
    EXPECT_EQ(AsioBufferSamples(INT32_MAX, 0, 1, 1), 5153968);
}

TEST(AsioBufferSamples, LevelsOutsideTheTablesUseTheNearestEnd) {
    EXPECT_EQ(AsioBufferSamples(48000, -5, 0, 1), 160);
    EXPECT_EQ(AsioBufferSamples(48000, 10, 0, 1), 960);
    EXPECT_EQ(AsioBufferSamples(48000, INT32_MAX, 0, 1), 960);
    EXPECT_EQ(AsioBufferSamples(48000, INT32_MIN, 0, 1), 160);
}

TEST(MeterRowLengths, AlwaysTwelveLettersOverTheSliderRange) {
    for (std::int32_t position = 0; position <= 9; ++position) {
        const MeterLengths off = MeterRowLengths(9, position, 0);
        const MeterLengths on = MeterRowLengths(9, position, 1);
        EXPECT_EQ(off.stability, position + 2);
        EXPECT_EQ(off.realTime, 10 - position);
        EXPECT_EQ(on.stability, position + 1);
        EXPECT_EQ(on.realTime, 11 - position);
    }
    EXPECT_EQ(MeterText(MeterRowLengths(9, 0, 1).realTime), u"OOOOOOOOOOO");
    EXPECT_EQ(MeterText(0), u"");
    EXPECT_EQ(MeterText(-3), u"");
}

TEST(FormatSampleCount, FollowsPrintfForTheIntegerConversion) {
    struct Case {
        std::u16string_view format;
        std::int32_t value;
        std::u16string_view expected;
    };
    const Case cases[] = {
        {u"ASIO Buffer Size: %4d samples", 320, u"ASIO Buffer Size:  320 samples"},
        {u"ASIO Buffer Size: %4d samples", 11808, u"ASIO Buffer Size: 11808 samples"},
        {u"%4d", -5, u"  -5"},
        {u"%4d", INT32_MIN, u"-2147483648"},
        {u"%-4d|", 7, u"7   |"},
        {u"%04d", 7, u"0007"},
        {u"%+d", 7, u"+7"},
        {u"%d%%", 50, u"50%"},
        {u"", 1, u""},
        // Conversions that take other arguments are shown as they stand.
        {u"%s and %4d", 16, u"%s and   16"},
        {u"trailing %", 1, u"trailing %"},
        {u"%999d", 1, u"%999d"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatSampleCount(c.format, c.value), c.expected);
    }
}

TEST(CenteredLeft, OddWidthSitsHalfAPixelMoreToTheRight) {
    EXPECT_EQ(CenteredLeft(100, 12), 94);
    EXPECT_EQ(CenteredLeft(100, 13), 94); // (w - 1) / 2 left of the tick
    EXPECT_EQ(CenteredLeft(0, 1), 0);
}

} // namespace
