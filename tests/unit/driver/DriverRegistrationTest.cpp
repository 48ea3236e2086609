#include "FakeFilePort.h"
#include "FakeRegistryPort.h"
#include "FakeTextPort.h"

#include "app/ResourceIds.h"
#include "driver/DriverRegistration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace {

using Bytes = FakeRegistryPort::Bytes;

const std::u16string kKey = u"CLSID\\{6F3B92D4-27C1-4e5a-B8D0-3A9E41C7F205}\\QZID0406";
const std::u16string kReadme = u"Readme\\Readme_EN.htm";
const std::u16string kFallbackCopyright = u"(c) table";

Bytes Units(std::size_t count, char16_t unit) {
    return FakeRegistryPort::Text(std::u16string(count, unit));
}

class DriverRegistrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        texts.table[IDS_PROP_VER] = u"__MODEL__ Driver __VERSION__";
        texts.table[IDS_PROP_COPYR] = kFallbackCopyright;
        texts.table[IDS_README_NAME] = kReadme;
    }

    // The key stays open only within a call.
    void TearDown() override { EXPECT_EQ(registry.closes, registry.Opens()); }

    FakeRegistryPort registry;
    FakeFilePort files;
    FakeTextPort texts;
    DriverRegistration registration{registry, files, texts};
};

TEST_F(DriverRegistrationTest, KeyPathNamesTheDriverClass) {
    EXPECT_EQ(DriverRegistration::DriverKeyPath(), kKey);
}

// The copyright line is the value's text unchanged, so it shows how value data become text.
TEST_F(DriverRegistrationTest, ValueDataBecomeTextWithinTheBytesRead) {
    struct Case {
        const char* name;
        Bytes data;
        std::optional<std::u16string> text; // nullopt: the value counts as missing
    };
    Bytes unterminated359(359, 0x42);
    const Case cases[] = {
        {"178 units and NUL, 358 bytes", Units(178, u'x'), std::u16string(178, u'x')},
        {"179 units and NUL, 360 bytes", Units(179, u'x'), std::nullopt},
        {"361 bytes", Bytes(361, 0x41), std::nullopt},
        {"359 bytes, no NUL: the odd byte is dropped", unterminated359,
         std::u16string(179, u'\x4242')},
        {"no NUL", Bytes{'a', 0, 'b', 0, 'c', 0}, u"abc"},
        {"odd size", Bytes{'a', 0, 'b'}, u"a"},
        {"a single byte", Bytes{'a'}, u""},
        {"no data", Bytes{}, u""},
        {"only a NUL", FakeRegistryPort::Text(u""), u""},
        {"text ends at the first NUL", Bytes{'a', 0, 0, 0, 'b', 0, 0, 0}, u"a"},
        {"beyond Latin-1", FakeRegistryPort::Text(u"\u00a9 \u30c6"), u"\u00a9 \u30c6"},
    };
    for (const Case& c : cases) {
        registry.Set(kKey, u"copyright", c.data);
        EXPECT_EQ(registration.DriverCopyrightLine(), c.text.value_or(kFallbackCopyright))
            << c.name;
    }
}

TEST_F(DriverRegistrationTest, SizeIsAskedFirstThenReadWithTheWholeBuffer) {
    registry.Set(kKey, u"version", FakeRegistryPort::Text(u"1.0"));
    registration.DriverVersionLine();
    ASSERT_EQ(registry.queries.size(), 2u);
    EXPECT_FALSE(registry.queries[0].withData);
    EXPECT_EQ(registry.queries[0].sizeIn, 0u);
    EXPECT_TRUE(registry.queries[1].withData);
    EXPECT_EQ(registry.queries[1].sizeIn, 360u);
}

TEST_F(DriverRegistrationTest, FailedReadsLeaveTheBufferAndCloseTheKey) {
    struct Case {
        const char* name;
        bool keyExists;
        bool valueExists;
        std::size_t sizeAtRead;
    };
    const Case cases[] = {
        {"no key", false, false, 0},
        {"no value", true, false, 0},
        {"value grows past the buffer before the read", true, true, 400},
        {"value grows to the buffer's size before the read", true, true, 360},
    };
    for (const Case& c : cases) {
        FakeRegistryPort port;
        if (c.keyExists) {
            port.Set(kKey, c.valueExists ? u"version" : u"other", FakeRegistryPort::Text(u"1.0"));
        }
        port.growBeforeRead = c.sizeAtRead;
        DriverRegistration lookup{port, files, texts};
        std::uint8_t buffer[360];
        std::fill(std::begin(buffer), std::end(buffer), 0xAB);
        std::uint32_t bytes = 7;
        EXPECT_FALSE(lookup.ReadRegistryValue(RegistryRoot::ClassesRoot, kKey.c_str(), u"version",
                                              buffer, sizeof buffer, bytes))
            << c.name;
        EXPECT_TRUE(std::all_of(std::begin(buffer), std::end(buffer), [](std::uint8_t b) {
            return b == 0xAB;
        })) << c.name;
        EXPECT_EQ(bytes, 7u) << c.name;
        EXPECT_EQ(port.closes, port.Opens()) << c.name;
    }
}

TEST_F(DriverRegistrationTest, ReadmePathAndAvailability) {
    struct Case {
        const char* name;
        std::optional<std::u16string> folder;
        bool nameInTable;
        std::u16string path;
    };
    const Case cases[] = {
        {"folder and name", u"C:\\Drv", true, u"C:\\Drv\\Readme\\Readme_EN.htm"},
        {"folder ending with a backslash", u"C:\\Drv\\", true, u"C:\\Drv\\\\Readme\\Readme_EN.htm"},
        {"relative folder", u"Drv", true, u"Drv\\Readme\\Readme_EN.htm"},
        {"empty folder", u"", true, u""},
        {"no folder", std::nullopt, true, u""},
        {"no README name", u"C:\\Drv", false, u""},
    };
    for (const Case& c : cases) {
        FakeRegistryPort port;
        port.Set(kKey, u"version", FakeRegistryPort::Text(u"1.0"));
        if (c.folder) {
            port.Set(kKey, u"", FakeRegistryPort::Text(*c.folder));
        }
        if (!c.nameInTable) {
            texts.table.erase(IDS_README_NAME);
        }
        // Files by the names a faulty lookup would form, so that only the right path is found.
        files.entries = {{c.path, false}, {u"\\" + kReadme, false}, {kReadme, false}};
        DriverRegistration lookup{port, files, texts};
        EXPECT_EQ(lookup.ReadmePath(), c.path) << c.name;
        EXPECT_EQ(lookup.IsReadmeAvailable(), !c.path.empty()) << c.name;
        texts.table[IDS_README_NAME] = kReadme;
    }
}

TEST_F(DriverRegistrationTest, OnlyAnExistingFileIsAvailable) {
    registry.Set(kKey, u"", FakeRegistryPort::Text(u"C:\\Drv"));
    const std::u16string path = u"C:\\Drv\\" + kReadme;
    EXPECT_FALSE(registration.IsReadmeAvailable());
    files.entries[path] = true;
    EXPECT_FALSE(registration.IsReadmeAvailable());
    files.entries[path] = false;
    EXPECT_TRUE(registration.IsReadmeAvailable());
    EXPECT_TRUE(registration.IsExistingFile(path));
}

TEST_F(DriverRegistrationTest, VersionLine) {
    struct Case {
        const char* name;
        std::optional<std::u16string> version;
        std::optional<std::u16string> format; // IDS_PROP_VER
        std::u16string line;
    };
    const Case cases[] = {
        {"English", u"2.1.0", u"__MODEL__ Driver __VERSION__", u"TX-90KL Driver 2.1.0"},
        {"German order", u"2.1.0", u"__MODEL__-Treiber __VERSION__", u"TX-90KL-Treiber 2.1.0"},
        {"Spanish order", u"2.1.0", u"Controlador __MODEL__ __VERSION__",
         u"Controlador TX-90KL 2.1.0"},
        {"empty version keeps the blank", u"", u"__MODEL__ Driver __VERSION__", u"TX-90KL Driver "},
        {"version holding the model placeholder", u"__MODEL__ 1", u"__MODEL__ Driver __VERSION__",
         u"TX-90KL Driver __MODEL__ 1"},
        {"no version", std::nullopt, u"__MODEL__ Driver __VERSION__", u""},
        {"no format", u"2.1.0", std::nullopt, u""},
    };
    for (const Case& c : cases) {
        FakeRegistryPort port;
        port.Set(kKey, u"copyright", FakeRegistryPort::Text(u"(c)"));
        if (c.version) {
            port.Set(kKey, u"version", FakeRegistryPort::Text(*c.version));
        }
        texts.table.erase(IDS_PROP_VER);
        if (c.format) {
            texts.table[IDS_PROP_VER] = *c.format;
        }
        EXPECT_EQ(DriverRegistration(port, files, texts).DriverVersionLine(), c.line) << c.name;
        EXPECT_EQ(port.closes, port.Opens()) << c.name;
    }
}

TEST_F(DriverRegistrationTest, CopyrightLine) {
    registry.Set(kKey, u"version", FakeRegistryPort::Text(u"1.0"));
    EXPECT_EQ(registration.DriverCopyrightLine(), kFallbackCopyright);
    texts.table.erase(IDS_PROP_COPYR);
    EXPECT_EQ(registration.DriverCopyrightLine(), std::nullopt);
    registry.Set(kKey, u"copyright", FakeRegistryPort::Text(u""));
    EXPECT_EQ(registration.DriverCopyrightLine(), u"");
    registry.Set(kKey, u"copyright", FakeRegistryPort::Text(u"(c) 2024 Maker"));
    EXPECT_EQ(registration.DriverCopyrightLine(), u"(c) 2024 Maker");
}

} // namespace
