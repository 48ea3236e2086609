// The installer's registry strings and README file in bad shape: values at and past the size
// limit, without their terminator, of another type, the key missing, the README a folder or
// gone while a window is open. Each row says what the windows show and open.

#include "tests/win/faults/FaultFixture.h"

#include "app/ResourceIds.h"
#include "tests/win/support/UiDriver.h"

#include <optional>

namespace {

using Bytes = FakeRegistryPort::Bytes;
using BadRegistryFixture = FaultFixture;

const std::u16string kFolder = u"C:\\Program Files\\TX-90KL";
const std::u16string kVersion = u"1.2.3";
const std::u16string kCopyright = u"(c) 2031 Test Maker";

// count letters A with their terminator: 2 × count + 2 bytes.
Bytes Letters(std::size_t count) {
    return FakeRegistryPort::Text(std::u16string(count, u'A'));
}

// count letters A without a terminator, and one odd byte after them.
Bytes LettersAndOddByte(std::size_t count) {
    Bytes bytes = Letters(count);
    bytes.resize(bytes.size() - 2);
    bytes.push_back(0x42);
    return bytes;
}

Bytes Unterminated(const std::u16string& text) {
    Bytes bytes = FakeRegistryPort::Text(text);
    bytes.resize(bytes.size() - 2);
    return bytes;
}

// A REG_DWORD's four bytes; the value's type is not looked at.
Bytes Dword(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

std::wstring VersionLine(const std::u16string& version) {
    return L"TX-90KL Driver " + Wide(version);
}

struct RegistryRow {
    const char* name;
    const char16_t* valueName; // u"" is the default value (install folder)
    std::optional<Bytes> data; // none: the whole key is missing
    std::wstring version;
    std::optional<std::u16string> copyright;    // none: the string table's line
    std::optional<std::u16string> readmeFolder; // none: no README path
};

std::vector<RegistryRow> RegistryRows() {
    const std::u16string a178(178, u'A');
    const std::u16string a179(179, u'A');
    return {
        {"version of 0 bytes", u"version", Bytes{}, VersionLine(u""), kCopyright, kFolder},
        {"version of 358 bytes", u"version", Letters(178), VersionLine(a178), kCopyright, kFolder},
        {"version of 359 bytes, unterminated", u"version", LettersAndOddByte(179),
         VersionLine(a179), kCopyright, kFolder},
        {"version of 360 bytes", u"version", Letters(179), L"", kCopyright, kFolder},
        {"version of 4096 bytes", u"version", Letters(2047), L"", kCopyright, kFolder},
        {"version unterminated", u"version", Unterminated(u"4.5.6"), VersionLine(u"4.5.6"),
         kCopyright, kFolder},
        {"version a DWORD", u"version", Dword(0x00320031), VersionLine(u"12"), kCopyright, kFolder},
        {"copyright of 0 bytes", u"copyright", Bytes{}, VersionLine(kVersion), u"", kFolder},
        {"copyright of 358 bytes", u"copyright", Letters(178), VersionLine(kVersion), a178,
         kFolder},
        {"copyright of 360 bytes", u"copyright", Letters(179), VersionLine(kVersion), std::nullopt,
         kFolder},
        {"copyright of 4096 bytes", u"copyright", Letters(2047), VersionLine(kVersion),
         std::nullopt, kFolder},
        {"copyright a DWORD of 0", u"copyright", Dword(0), VersionLine(kVersion), u"", kFolder},
        {"folder of 0 bytes", u"", Bytes{}, VersionLine(kVersion), kCopyright, std::nullopt},
        {"folder of 358 bytes", u"", Letters(178), VersionLine(kVersion), kCopyright, a178},
        {"folder of 359 bytes, unterminated", u"", LettersAndOddByte(179), VersionLine(kVersion),
         kCopyright, a179},
        {"folder of 360 bytes", u"", Letters(179), VersionLine(kVersion), kCopyright, std::nullopt},
        {"folder of 4096 bytes", u"", Letters(2047), VersionLine(kVersion), kCopyright,
         std::nullopt},
        {"folder unterminated", u"", Unterminated(kFolder), VersionLine(kVersion), kCopyright,
         kFolder},
        {"key missing", u"", std::nullopt, L"", std::nullopt, std::nullopt},
    };
}

class RegistryRowFixture : public FaultFixture {
protected:
    void Publish(const RegistryRow& row) {
        registry = FakeRegistryPort{};
        if (!row.data) {
            return;
        }
        const std::u16string key = DriverRegistration::DriverKeyPath();
        registry.Set(key, u"", FakeRegistryPort::Text(kFolder));
        registry.Set(key, u"version", FakeRegistryPort::Text(kVersion));
        registry.Set(key, u"copyright", FakeRegistryPort::Text(kCopyright));
        registry.Set(key, row.valueName, *row.data);
    }

    // A README below every folder a row's data holds, so that only the registry rules decide
    // whether one is found; and one at the path an empty folder would give, which must never
    // be taken for it.
    void InstallReadmes() {
        files.entries.clear();
        files.entries[u"\\" + ReadmeName()] = false;
        for (std::size_t letters : {178, 179, 2047}) {
            files.entries[ReadmeBelow(std::u16string(letters, u'A'))] = false;
        }
        files.entries[ReadmeBelow(kFolder)] = false;
    }

    std::u16string ReadmeName() {
        std::u16string name;
        texts.Load(IDS_README_NAME, name);
        return name;
    }
    std::u16string ReadmeBelow(const std::u16string& folder) {
        return folder + u"\\" + ReadmeName();
    }
};

TEST_F(RegistryRowFixture, EachBadValueHasItsDocumentedResult) {
    for (const RegistryRow& row : RegistryRows()) {
        SCOPED_TRACE(row.name);
        Publish(row);
        InstallReadmes();
        const std::size_t openedBefore = shell.Opened().size();
        RunOpen([&](HWND settings) {
            EXPECT_EQ(ui::ControlText(settings, IDC_TXT_VERSION), row.version);
            EXPECT_EQ(ui::ControlText(settings, IDC_TXT_COPYRIGHT),
                      row.copyright ? Wide(*row.copyright) : LoadWide(texts, IDS_PROP_COPYR));
            EXPECT_EQ(ui::IsEnabled(settings, IDC_BTN_README), row.readmeFolder.has_value());
            ui::ClickAndWait(settings, IDC_BTN_README);
            ui::Click(settings, IDCANCEL);
        });
        const std::vector<std::u16string> opened = shell.Opened();
        ASSERT_EQ(opened.size() - openedBefore, row.readmeFolder ? 1u : 0u);
        if (row.readmeFolder) {
            EXPECT_EQ(opened.back(), ReadmeBelow(*row.readmeFolder));
        }
    }
}

// The no-device window decides its README button once, and looks for the file again at the
// click: a README that is a folder or has gone does not reach the shell.
TEST_F(RegistryRowFixture, NoDeviceWindowOpensOnlyAReadmeThatIsAFileAtTheClick) {
    struct Case {
        const char* name;
        bool isDirectory;
        bool deletedWhileOpen;
        bool enabled;
        bool opened;
    };
    const Case cases[] = {{"README present", false, false, true, true},
                          {"README a folder", true, false, false, false},
                          {"README deleted while open", false, true, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        model->Reset();
        SetPresentUnits(0);
        InstallReadmes();
        files.entries[ReadmeBelow(kFolder)] = c.isDirectory;
        const std::size_t openedBefore = shell.Opened().size();
        const INT_PTR result = Run([&] {
            HWND noDevice = WaitForNoDeviceWindow();
            ASSERT_NE(noDevice, nullptr);
            if (c.deletedWhileOpen) {
                files.entries.clear();
            }
            EXPECT_EQ(ui::IsEnabled(noDevice, IDC_BTN_README), c.enabled);
            ui::ClickAndWait(noDevice, IDC_BTN_README);
            EXPECT_TRUE(::IsWindow(noDevice));
            ui::Click(noDevice, IDOK);
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(shell.Opened().size() - openedBefore, c.opened ? 1u : 0u);
    }
}

} // namespace
