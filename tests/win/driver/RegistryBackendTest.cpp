// Registry values and file searches through the Win32 backends, on keys and files this test
// creates (and removes), and on what the driver's installer left in the bench prefix.

#include "tests/unit/driver/FakeTextPort.h"

#include "app/ResourceIds.h"
#include "driver/DriverRegistration.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32FilePort.h"
#include "platform/win32/Win32RegistryPort.h"
#include "simdriver/setup/SetupConstants.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

const wchar_t kTestClass[] = L"CLSID\\{0B7E5D21-9C44-4F6A-A3E2-5D1C8F07B913}";
const std::wstring kTestKey = std::wstring(kTestClass) + L"\\Values";

std::vector<BYTE> TextBytes(const std::wstring& text) {
    const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
    return std::vector<BYTE>(bytes, bytes + (text.size() + 1) * sizeof(wchar_t));
}

class RegistryBackendTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_texts.table = {{IDS_PROP_VER, u"__MODEL__ Driver __VERSION__"},
                         {IDS_README_NAME, u"Readme\\Readme_EN.htm"}};
        RegDeleteTreeW(HKEY_CLASSES_ROOT, kTestClass);
        ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, kTestKey.c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &m_key, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        RegCloseKey(m_key);
        EXPECT_EQ(RegDeleteTreeW(HKEY_CLASSES_ROOT, kTestClass), ERROR_SUCCESS);
    }

    void SetValue(const wchar_t* name, DWORD type, const std::vector<BYTE>& data) {
        ASSERT_EQ(
            RegSetValueExW(m_key, name, 0, type, data.data(), static_cast<DWORD>(data.size())),
            ERROR_SUCCESS);
    }

    HKEY m_key = nullptr;
    Win32RegistryPort m_registry;
    Win32FilePort m_files;
    FakeTextPort m_texts;
    DriverRegistration m_registration{m_registry, m_files, m_texts};
};

TEST_F(RegistryBackendTest, ValuesSmallerThanTheBufferAreRead) {
    struct Case {
        const char* name;
        const wchar_t* value; // nullptr: the default value
        DWORD type;
        std::vector<BYTE> data;
        bool read;
    };
    const Case cases[] = {
        {"178 characters, 358 bytes", L"text", REG_SZ, TextBytes(std::wstring(178, L'x')), true},
        {"179 characters, 360 bytes", L"text", REG_SZ, TextBytes(std::wstring(179, L'x')), false},
        {"default value", nullptr, REG_SZ, TextBytes(L"C:\\Drivers\\TX"), true},
        {"empty text", L"text", REG_SZ, {}, true},
        {"binary, odd size, no terminator", L"text", REG_BINARY, {'a', 0, 'b', 0, 'c'}, true},
        {"a number", L"text", REG_DWORD, {1, 2, 3, 4}, true},
    };
    for (const Case& c : cases) {
        SetValue(c.value, c.type, c.data);
        std::vector<std::uint8_t> buffer(360, 0xAB);
        std::uint32_t bytes = 0;
        const bool read = m_registration.ReadRegistryValue(
            RegistryRoot::ClassesRoot, AsUtf16(kTestKey.c_str()),
            c.value ? AsUtf16(c.value) : nullptr, buffer.data(), 360, bytes);
        EXPECT_EQ(read, c.read) << c.name;
        if (read) {
            ASSERT_EQ(bytes, c.data.size()) << c.name;
            EXPECT_TRUE(std::equal(c.data.begin(), c.data.end(), buffer.begin())) << c.name;
        } else {
            EXPECT_EQ(buffer, std::vector<std::uint8_t>(360, 0xAB)) << c.name;
        }
    }
}

TEST_F(RegistryBackendTest, MissingKeysAndValuesAreNotRead) {
    std::uint8_t buffer[360];
    std::uint32_t bytes = 0;
    EXPECT_FALSE(m_registration.ReadRegistryValue(RegistryRoot::ClassesRoot,
                                                  AsUtf16(kTestKey.c_str()), u"absent", buffer,
                                                  sizeof buffer, bytes));
    EXPECT_FALSE(m_registration.ReadRegistryValue(RegistryRoot::ClassesRoot,
                                                  AsUtf16((kTestKey + L"\\Absent").c_str()),
                                                  nullptr, buffer, sizeof buffer, bytes));
}

TEST_F(RegistryBackendTest, OnlyFilesExist) {
    wchar_t temp[MAX_PATH];
    ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
    const std::wstring folder =
        temp + std::wstring(L"tx_driver_files_") + std::to_wstring(GetCurrentProcessId());
    const std::wstring file = folder + L"\\Readme_EN.htm";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    const HANDLE created = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(created, INVALID_HANDLE_VALUE);
    CloseHandle(created);

    EXPECT_TRUE(m_registration.IsExistingFile(AsUtf16(file.c_str())));
    EXPECT_FALSE(m_registration.IsExistingFile(AsUtf16(folder.c_str())));
    EXPECT_FALSE(m_registration.IsExistingFile(AsUtf16((folder + L"\\Absent.htm").c_str())));

    DeleteFileW(file.c_str());
    RemoveDirectoryW(folder.c_str());
    EXPECT_FALSE(m_registration.IsExistingFile(AsUtf16(file.c_str())));
}

// What the setup program of the bench prefix published, read as the applet reads it.
TEST_F(RegistryBackendTest, InstalledDriverStrings) {
    EXPECT_EQ(m_registration.DriverVersionLine(),
              u"TX-90KL Driver " + std::u16string(AsUtf16(kDriverVersionText)));
    EXPECT_EQ(m_registration.DriverCopyrightLine(), std::u16string(AsUtf16(kDriverCopyrightText)));
    const std::u16string readme = m_registration.ReadmePath();
    ASSERT_GT(readme.size(), 21u);
    EXPECT_EQ(readme.substr(readme.size() - 21), u"\\Readme\\Readme_EN.htm");
    EXPECT_TRUE(m_registration.IsReadmeAvailable());
    std::u16string folder;
    ASSERT_TRUE(m_registration.ReadInstallFolder(folder));
    EXPECT_FALSE(m_registration.IsExistingFile(folder + u"\\Readme"));
}

} // namespace
