// The eight string tables as stored, read block by block under each language id, whatever the
// user's language is.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "LanguageTable.h"
#include "ResourceReader.h"
#include "app/ResourceIds.h"

namespace {

std::size_t Count(const std::wstring& text, const std::wstring& part) {
    std::size_t count = 0;
    for (auto pos = text.find(part); pos != std::wstring::npos; pos = text.find(part, pos + 1)) {
        ++count;
    }
    return count;
}

} // namespace

void PrintTo(const LanguageRow& row, std::ostream* os) {
    *os << row.localePrefix;
}

namespace {

class StringTables : public ::testing::TestWithParam<LanguageRow> {
protected:
    std::optional<std::wstring> Find(UINT id) const {
        return ResourceReader(GetModuleHandleW(nullptr)).String(id, GetParam().language);
    }

    std::wstring Text(UINT id) const { return Find(id).value_or(L""); }
};

TEST_P(StringTables, HoldEveryId) {
    for (UINT id : LanguageTable::StringIds()) {
        EXPECT_TRUE(Find(id).has_value()) << "string " << id;
    }
}

TEST_P(StringTables, FixedFormsAreExact) {
    EXPECT_EQ(Text(IDS_STR_TITLE), GetParam().title);
    EXPECT_EQ(Text(IDS_PROP_VER), GetParam().version);
    EXPECT_EQ(Text(IDS_README_NAME), GetParam().readme);
    EXPECT_EQ(Text(IDS_APP_TITLE), L" ");
}

TEST_P(StringTables, KeepFormatAndLineBreaks) {
    const std::wstring format = Text(IDS_FMT_ASIO_BUF_SIZE);
    EXPECT_EQ(Count(format, L"%"), 1u) << "only the one conversion: " << format;
    EXPECT_EQ(Count(format, L"%4d"), 1u) << format;

    // The credit is two lines; the message names its two conditions on two lines; the
    // copyright line is one.
    const std::wstring credit = Text(IDS_STATIC_STEINBERG);
    EXPECT_EQ(Count(credit, L"\n"), 1u);
    EXPECT_NE(credit.front(), L'\n');
    EXPECT_NE(credit.back(), L'\n');
    EXPECT_EQ(Count(Text(IDS_CONF_WAVE), L"\n"), 1u);
    EXPECT_EQ(Count(Text(IDS_PROP_COPYR), L"\n"), 0u);
    EXPECT_NE(Text(IDS_README).find(L"README"), std::wstring::npos);

    // An escape the resource compiler did not understand stays behind as a backslash; only the
    // README name has one.
    for (UINT id : LanguageTable::StringIds()) {
        const std::wstring text = Text(id);
        EXPECT_EQ(Count(text, L"\\"), id == IDS_README_NAME ? 1u : 0u) << "string " << id;
        EXPECT_EQ(Count(text, L"__"),
                  Count(text, L"__MODEL__") * 2 + Count(text, L"__VERSION__") * 2)
            << "string " << id << " has a mangled placeholder";
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, StringTables, ::testing::ValuesIn(LanguageTable::Rows()),
                         [](const auto& info) { return std::string(info.param.localePrefix); });

} // namespace
