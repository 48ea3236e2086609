// The setup program's installer part as the applet sees it: the registry strings read the way
// the applet reads them (a 32-bit program, HKEY_CLASSES_ROOT, KEY_READ, no view asked for) and
// the README pages. The test uninstalls and installs again, and leaves the installation as the
// bench made it.

#include "app/ProductIdentity.h"
#include "platform/win32/WideText.h"
#include "simdriver/control/SimControlClient.h"
#include "tests/e2e/driver/ChildProcess.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

const wchar_t* const kLanguages[] = {L"EN", L"DE", L"ES", L"FR", L"IT", L"NL", L"PT", L"JP"};

std::wstring KeyPath() {
    return std::wstring(L"CLSID\\") + AsWide(kDriverClassId) + L"\\" +
           AsWide(kDriverRegistrySubkey);
}

// The value's text as the applet reads it: a size query, then a read into 360 bytes.
bool ReadValue(const wchar_t* name, std::wstring& text) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, KeyPath().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    DWORD type = 0;
    DWORD size = 0;
    wchar_t data[180] = {};
    bool read = RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
                size < sizeof data;
    size = sizeof data;
    read = read && RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data),
                                    &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    data[179] = 0;
    text = data;
    return read;
}

bool KeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, KeyPath().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

bool IsFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring Page(const std::wstring& folder, const wchar_t* language) {
    return folder + L"\\Readme\\Readme_" + language + L".htm";
}

bool UnitLinkOpens() {
    HANDLE handle = CreateFileW(L"\\\\.\\Qzwm4406001", GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    CloseHandle(handle);
    return true;
}

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

class SetupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ReadValue(nullptr, m_folder))
            << "run inside tools/bench: it installs the driver";
    }
    // Whatever happened, the installation is back as it was.
    void TearDown() override {
        if (!KeyExists() || !SimControlClient().IsReachable()) {
            Setup("install \"" + Narrow(m_folder) + "\"");
        }
    }
    static ChildResult Setup(const std::string& arguments) {
        return ChildProcess::Run(TX_TXSETUP_EXE, arguments);
    }
    void ExpectInstalled() {
        std::wstring folder;
        std::wstring version;
        std::wstring copyright;
        ASSERT_TRUE(ReadValue(nullptr, folder));
        EXPECT_EQ(folder, m_folder);
        EXPECT_NE(folder.back(), L'\\');
        ASSERT_TRUE(ReadValue(L"version", version));
        EXPECT_FALSE(version.empty());
        ASSERT_TRUE(ReadValue(L"copyright", copyright));
        EXPECT_EQ(copyright.find(L'\n'), std::wstring::npos);
        EXPECT_NE(copyright.find(L"Zelvarin"), std::wstring::npos);
        for (const wchar_t* language : kLanguages) {
            EXPECT_TRUE(IsFile(Page(m_folder, language))) << Narrow(Page(m_folder, language));
        }
        EXPECT_TRUE(SimControlClient().IsReachable());
        EXPECT_TRUE(UnitLinkOpens());
    }

    std::wstring m_folder;
};

TEST_F(SetupTest, UninstallRemovesEverythingAndInstallBringsItBack) {
    ExpectInstalled();

    const ChildResult uninstall = Setup("uninstall");
    ASSERT_TRUE(uninstall.ran);
    ASSERT_EQ(uninstall.exitCode, 0u) << uninstall.err;
    EXPECT_FALSE(KeyExists());
    for (const wchar_t* language : kLanguages) {
        EXPECT_FALSE(IsFile(Page(m_folder, language)));
    }
    EXPECT_EQ(GetFileAttributesW((m_folder + L"\\Readme").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(SimControlClient().IsReachable());
    EXPECT_FALSE(UnitLinkOpens());
    const ChildResult tool = ChildProcess::Run(TX_TXSIMCTL_EXE, "counters");
    EXPECT_EQ(tool.exitCode, 1u) << "the control tool without a driver";
    EXPECT_FALSE(tool.err.empty());

    const ChildResult install = Setup("install \"" + Narrow(m_folder) + "\"");
    ASSERT_TRUE(install.ran);
    ASSERT_EQ(install.exitCode, 0u) << install.err;
    ExpectInstalled();
}

TEST_F(SetupTest, BadCommandLinesInstallNothing) {
    const char* const bad[] = {"", "install relative\\folder", "install C:\\", "remove",
                               "install C:\\a C:\\b"};
    for (const char* arguments : bad) {
        const ChildResult result = Setup(arguments);
        EXPECT_EQ(result.exitCode, 2u) << "'" << arguments << "'";
    }
    ExpectInstalled();
}

} // namespace
