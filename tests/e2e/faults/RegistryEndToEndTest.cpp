// The installer's registry strings in bad shape in the real registry, read by the real applet:
// a version of 360 bytes, a copyright stored as a DWORD, a README path that is a folder, the
// key missing. The key is put back as it was after each case.

#include "tests/e2e/faults/FaultAppletFixture.h"
#include "tests/e2e/faults/InstallerKeyBackup.h"

#include "app/ResourceIds.h"
#include "tests/win/support/UiDriver.h"

#include <optional>

namespace {

std::vector<BYTE> TextBytes(const std::wstring& text) {
    const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
    return std::vector<BYTE>(bytes, bytes + (text.size() + 1) * sizeof(wchar_t));
}

// A folder whose README path is itself a folder: <temp>\tx_faults_readme\<README name>\.
class ReadmeFolder {
public:
    explicit ReadmeFolder(const std::wstring& readmeName) {
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        m_root = std::wstring(temp) + L"tx_faults_readme";
        std::wstring path = m_root;
        m_created.push_back(path);
        for (std::size_t from = 0, at = 0; at != std::wstring::npos; from = at + 1) {
            at = readmeName.find(L'\\', from);
            path += L"\\" + readmeName.substr(from, at - from);
            m_created.push_back(path);
        }
        for (const std::wstring& folder : m_created) {
            ::CreateDirectoryW(folder.c_str(), nullptr);
        }
    }
    ~ReadmeFolder() {
        for (auto folder = m_created.rbegin(); folder != m_created.rend(); ++folder) {
            ::RemoveDirectoryW(folder->c_str());
        }
    }
    const std::wstring& Root() const { return m_root; }

private:
    std::wstring m_root;
    std::vector<std::wstring> m_created;
};

using RegistryEndToEnd = FaultAppletFixture;

TEST_F(RegistryEndToEnd, BadInstallerStringsShowAsDocumented) {
    enum class Change { OversizedVersionAndDwordCopyright, ReadmeIsAFolder, KeyMissing };
    struct Case {
        const char* name;
        Change change;
        bool installedVersion;                 // else the version line is empty
        std::optional<std::wstring> copyright; // none: the string table's line
        bool readme;
    };
    const std::wstring installedCopyright = Wide(registration.DriverCopyrightLine().value());
    const Case cases[] = {
        {"version of 360 bytes, copyright a DWORD", Change::OversizedVersionAndDwordCopyright,
         false, L"", true},
        {"README path a folder", Change::ReadmeIsAFolder, true, installedCopyright, false},
        {"key missing", Change::KeyMissing, false, std::nullopt, false},
    };
    const std::wstring installedVersion = Wide(registration.DriverVersionLine());
    ASSERT_FALSE(installedVersion.empty());
    ASSERT_TRUE(registration.IsReadmeAvailable());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InstallerKeyBackup backup;
        ASSERT_TRUE(backup.Saved());
        ReadmeFolder folder(Text(IDS_README_NAME));
        switch (c.change) {
        case Change::OversizedVersionAndDwordCopyright:
            ASSERT_TRUE(backup.Set(L"version", REG_SZ, TextBytes(std::wstring(179, L'9'))));
            ASSERT_TRUE(backup.Set(L"copyright", REG_DWORD, {0, 0, 0, 0}));
            break;
        case Change::ReadmeIsAFolder:
            ASSERT_TRUE(backup.Set(nullptr, REG_SZ, TextBytes(folder.Root())));
            break;
        case Change::KeyMissing:
            ASSERT_TRUE(backup.DeleteKey());
            break;
        }
        AppletProcess applet;
        HWND settings = WaitForSettingsWindow(applet);
        ASSERT_NE(settings, nullptr);
        EXPECT_EQ(ui::ControlText(settings, IDC_TXT_VERSION),
                  c.installedVersion ? installedVersion : L"");
        EXPECT_EQ(ui::ControlText(settings, IDC_TXT_COPYRIGHT),
                  c.copyright ? *c.copyright : Text(IDS_PROP_COPYR));
        EXPECT_EQ(ui::IsEnabled(settings, IDC_BTN_README), c.readme);
        ui::PostCommand(settings, IDCANCEL);
        EXPECT_TRUE(applet.WaitForExit());
    }
    EXPECT_TRUE(registration.IsReadmeAvailable()) << "the installer's key was not put back";
}

} // namespace
