#include "app/TextHelpers.h"

#include <gtest/gtest.h>

#include <map>

#include "app/ResourceIds.h"

namespace {

class FakeTexts : public TextPort {
public:
    std::map<std::uint32_t, std::u16string> table;

    bool Load(std::uint32_t id, std::u16string& text) override {
        auto it = table.find(id);
        if (it == table.end()) {
            return false;
        }
        text = it->second;
        return true;
    }
};

struct ReplaceCase {
    const char* name;
    std::u16string text;
    std::u16string_view placeholder;
    std::u16string_view value;
    std::u16string expected;
    int count;
};

TEST(ReplacePlaceholder, Table) {
    const ReplaceCase cases[] = {
        {"twice", u"__MODEL__ and __MODEL__", u"__MODEL__", u"TX-90KL", u"TX-90KL and TX-90KL", 2},
        {"adjacent", u"__MODEL____MODEL__", u"__MODEL__", u"X", u"XX", 2},
        {"none", u"Driver Settings", u"__MODEL__", u"TX-90KL", u"Driver Settings", 0},
        {"case matters", u"__model__", u"__MODEL__", u"TX-90KL", u"__model__", 0},
        {"value holds the placeholder", u"a __MODEL__ b", u"__MODEL__", u"<__MODEL__>",
         u"a <__MODEL__> b", 1},
        {"value completes a placeholder", u"__MOD__MODEL__", u"__MODEL__", u"EL", u"__MODEL", 1},
        {"empty text", u"", u"__MODEL__", u"TX-90KL", u"", 0},
        {"empty value", u"__MODEL__ Driver __VERSION__", u"__VERSION__", u"", u"__MODEL__ Driver ",
         1},
        {"empty placeholder", u"abc", u"", u"X", u"abc", 0},
        {"whole text", u"__VERSION__", u"__VERSION__", u"1.0.2", u"1.0.2", 1},
        {"cut placeholder at the end", u"x __MODEL_", u"__MODEL__", u"X", u"x __MODEL_", 0},
    };
    for (const auto& c : cases) {
        std::u16string text = c.text;
        EXPECT_EQ(ReplacePlaceholder(text, c.placeholder, c.value), c.count) << c.name;
        EXPECT_EQ(text, c.expected) << c.name;
    }
}

TEST(LoadText, ReportsMissingStringAndLeavesNoText) {
    FakeTexts texts;
    texts.table[IDS_OK] = u"OK";
    std::u16string out = u"stale";
    EXPECT_TRUE(LoadText(texts, IDS_OK, out));
    EXPECT_EQ(out, u"OK");
    out = u"stale";
    EXPECT_FALSE(LoadText(texts, IDS_CANCEL, out));
    EXPECT_EQ(out, u"");
}

TEST(ModelTitle, PutsTheModelNameWhereEachLanguageWantsIt) {
    const std::pair<std::u16string, std::u16string> languages[] = {
        {u"__MODEL__ Driver Settings", u"TX-90KL Driver Settings"},
        {u"__MODEL__ Treibereinstellungen", u"TX-90KL Treibereinstellungen"},
        {u"__MODEL__ Configuración del controlador", u"TX-90KL Configuración del controlador"},
        {u"__MODEL__ Driver の設定", u"TX-90KL Driver の設定"},
        {u"Réglages __MODEL__ (__MODEL__)", u"Réglages TX-90KL (TX-90KL)"},
        {u" ", u" "},
    };
    for (const auto& [stored, expected] : languages) {
        FakeTexts texts;
        texts.table[IDS_STR_TITLE] = stored;
        EXPECT_EQ(ModelTitle(texts), expected);
    }
}

TEST(ModelTitle, EmptyWhenTheStringIsMissing) {
    FakeTexts texts;
    texts.table[IDS_PROP_VER] = u"__MODEL__ Driver __VERSION__";
    EXPECT_EQ(ModelTitle(texts), u"");
}

} // namespace
