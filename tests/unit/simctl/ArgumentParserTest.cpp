#include "simdriver/tool/ArgumentParser.h"

#include <gtest/gtest.h>

namespace {

struct UnsignedCase {
    const char* text;
    uint32_t max;
    bool ok;
    uint32_t value;
};

TEST(ArgumentParserTest, UnsignedNumbersAreWholeAndInRange) {
    const UnsignedCase cases[] = {
        {"0", 0xFFFFFFFF, true, 0},
        {"48000", 0xFFFFFFFF, true, 48000},
        {"0x1F", 0xFFFFFFFF, true, 31},
        {"0XfF", 0xFFFFFFFF, true, 255},
        {"4294967295", 0xFFFFFFFF, true, 0xFFFFFFFF},
        {"4294967296", 0xFFFFFFFF, false, 0},
        {"99999999999999999999", 0xFFFFFFFF, false, 0},
        {"0x100000000", 0xFFFFFFFF, false, 0},
        {"4", 4, true, 4},
        {"5", 4, false, 0},
        {"", 0xFFFFFFFF, false, 0},
        {"0x", 0xFFFFFFFF, false, 0},
        {"12a", 0xFFFFFFFF, false, 0},
        {" 1", 0xFFFFFFFF, false, 0},
        {"1 ", 0xFFFFFFFF, false, 0},
        {"+1", 0xFFFFFFFF, false, 0},
        {"-1", 0xFFFFFFFF, false, 0},
        {"1e3", 0xFFFFFFFF, false, 0},
        {"0x1g", 0xFFFFFFFF, false, 0},
    };
    for (const UnsignedCase& c : cases) {
        uint32_t value = 77;
        EXPECT_EQ(ArgumentParser::ParseUnsigned(c.text, value, c.max), c.ok) << c.text;
        EXPECT_EQ(value, c.ok ? c.value : 77u) << c.text;
    }
}

TEST(ArgumentParserTest, SignedNumbersCoverTheInt32Range) {
    const std::pair<const char*, int32_t> good[] = {
        {"-1", -1}, {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}, {"-0x10", -16}};
    for (const auto& [text, expected] : good) {
        int32_t value = 0;
        EXPECT_TRUE(ArgumentParser::ParseSigned(text, value)) << text;
        EXPECT_EQ(value, expected) << text;
    }
    for (const char* text : {"2147483648", "-2147483649", "-", "--1", "- 1", "1-", ""}) {
        int32_t value = 5;
        EXPECT_FALSE(ArgumentParser::ParseSigned(text, value)) << text;
        EXPECT_EQ(value, 5) << text;
    }
}

TEST(ArgumentParserTest, UnitSetsNameLinksOneToFourOnce) {
    const std::pair<const char*, uint32_t> good[] = {
        {"none", 0}, {"1", 0x1}, {"1,3", 0x5}, {"4,2", 0xA}, {"1,2,3,4", 0xF}};
    for (const auto& [text, expected] : good) {
        uint32_t mask = 99;
        EXPECT_TRUE(ArgumentParser::ParseUnitSet(text, mask)) << text;
        EXPECT_EQ(mask, expected) << text;
    }
    for (const char* text : {"", "0", "5", "1,1", "1,", ",1", "1,,2", "1;2", "all", "None"}) {
        uint32_t mask = 99;
        EXPECT_FALSE(ArgumentParser::ParseUnitSet(text, mask)) << text;
        EXPECT_EQ(mask, 99u) << text;
    }
}

TEST(ArgumentParserTest, SignedListsAreBoundedAndComplete) {
    std::vector<int32_t> values{42};
    EXPECT_TRUE(ArgumentParser::ParseSignedList("1,-1,0x7", 16, values));
    EXPECT_EQ(values, (std::vector<int32_t>{1, -1, 7}));
    for (const char* text : {"", "1,", "1,,2", "1,x", "1,2,3"}) {
        values = {42};
        EXPECT_FALSE(ArgumentParser::ParseSignedList(text, 2, values)) << text;
        EXPECT_EQ(values, std::vector<int32_t>{42}) << text;
    }
}

TEST(ArgumentParserTest, CodesByNameOrByKnownNumber) {
    uint32_t code = 0;
    for (uint32_t known : ArgumentParser::kUnitCodes) {
        ASSERT_NE(ArgumentParser::CodeName(known), nullptr);
        EXPECT_TRUE(ArgumentParser::ParseCode(ArgumentParser::CodeName(known), code));
        EXPECT_EQ(code, known);
    }
    EXPECT_TRUE(ArgumentParser::ParseCode("0x222050", code));
    EXPECT_EQ(code, kSimGetSampleRate);
    for (const char* text : {"0x222004", "Identity", "", "sample_rate"}) {
        EXPECT_FALSE(ArgumentParser::ParseCode(text, code)) << text;
    }
}

} // namespace
