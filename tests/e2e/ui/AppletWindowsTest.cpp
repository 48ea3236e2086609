// The applet's windows end to end: the real Qzdp4406.exe, the substitute driver, the
// installer's registry strings and README pages, the shell, and the user's language.

#include "tests/e2e/ui/AppletFixture.h"

#include "app/ResourceIds.h"
#include "driver/RecordFields.h"
#include "tests/e2e/driver/ChildProcess.h"
#include "tests/win/support/UiDriver.h"
#include "ui/BufferSizeMath.h"

#include <map>
#include <vector>

namespace {

using Fixture = AppletFixture;

std::uint32_t Served(const SimCounters& counters, std::uint32_t unit, std::uint32_t code) {
    return counters.requests[unit][DeviceModel::CodeIndex(code)];
}

// A window of the test's own, brought to the foreground.
class ForegroundWindow {
public:
    ForegroundWindow()
        : m_window(::CreateWindowExW(0, L"STATIC", L"Elsewhere", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                     10, 10, 200, 80, nullptr, nullptr, nullptr, nullptr)) {
        ::SetForegroundWindow(m_window);
    }
    ~ForegroundWindow() { ::DestroyWindow(m_window); }
    HWND Handle() const { return m_window; }

private:
    HWND m_window;
};

TEST_F(Fixture, WithoutDeviceTheNoDeviceWindowShowsAndASecondCopyRaisesIt) {
    ASSERT_TRUE(control.EditScenario([](SimScenario& scenario) {
        for (SimUnitScenario& unit : scenario.units) {
            unit.present = 0;
        }
    }));
    AppletProcess first;
    ASSERT_TRUE(first.Started());
    HWND noDevice = WaitForAppletWindow(first, IDC_TXT_NODEV_MSG);
    ASSERT_NE(noDevice, nullptr);
    EXPECT_EQ(ui::ControlText(noDevice, IDC_TXT_NODEV_MSG), Text(IDS_MSG_NODEV));
    EXPECT_TRUE(ui::IsEnabled(noDevice, IDC_BTN_README)) << "the setup installs the README";

    ForegroundWindow elsewhere;
    ASSERT_TRUE(ui::WaitUntil([&] { return ::GetForegroundWindow() == elsewhere.Handle(); }));
    {
        AppletProcess second;
        ASSERT_TRUE(second.Started());
        ASSERT_TRUE(second.WaitForExit());
    }
    EXPECT_EQ(::GetForegroundWindow(), noDevice);

    ui::Click(noDevice, IDOK);
    ASSERT_TRUE(first.WaitForExit());
    EXPECT_EQ(Served(Counters(), 0, kSimGetSettings), 0u);
}

TEST_F(Fixture, SettingsWindowSpeaksTheUsersLanguage) {
    const std::map<std::string, std::wstring> titles = {
        {"en_US", L"TX-90KL Driver Settings"},
        {"de_DE", L"TX-90KL Treibereinstellungen"},
        {"ja_JP", L"TX-90KL Driver \u306e\u8a2d\u5b9a"}};
    const auto expected = titles.find(TestLocale());
    if (expected != titles.end()) {
        EXPECT_EQ(title, expected->second);
    }
    const std::u16string version = registration.DriverVersionLine();
    const std::optional<std::u16string> copyright = registration.DriverCopyrightLine();
    ASSERT_FALSE(version.empty()) << "the setup publishes the driver's version";
    ASSERT_TRUE(copyright.has_value());
    std::u16string format;
    ASSERT_TRUE(texts.Load(IDS_FMT_ASIO_BUF_SIZE, format));

    AppletProcess applet;
    HWND settings = WaitForSettingsWindow(applet);
    ASSERT_NE(settings, nullptr);
    EXPECT_EQ(ui::ControlText(settings, IDC_TXT_VERSION), Wide(version));
    EXPECT_EQ(ui::ControlText(settings, IDC_TXT_COPYRIGHT), Wide(*copyright));
    EXPECT_EQ(ui::ControlText(settings, IDC_GRP_BUF_SIZE), Text(IDS_GRP_BUF_SIZE));
    EXPECT_EQ(ui::ControlText(settings, IDCANCEL), Text(IDS_CANCEL));
    // The embedded default: level 5, one unit at 48000 Hz.
    EXPECT_EQ(ui::ControlText(settings, IDC_TXT_ASIO_BUF_SIZE),
              Wide(FormatSampleCount(format, 320)));

    ui::PostCommand(settings, IDCANCEL);
    ASSERT_TRUE(applet.WaitForExit());
    EXPECT_EQ(Served(Counters(), 0, kSimSetSettings), 0u);
}

TEST_F(Fixture, ApplyWritesToEveryPresentUnit) {
    const bool present[kSimUnitCount] = {true, true, false, true};
    ASSERT_TRUE(control.EditScenario([&](SimScenario& scenario) {
        for (std::uint32_t unit = 0; unit < kSimUnitCount; ++unit) {
            scenario.units[unit].present = present[unit] ? 1 : 0;
        }
    }));
    AppletProcess applet;
    HWND settings = WaitForSettingsWindow(applet);
    ASSERT_NE(settings, nullptr);
    ui::Click(settings, IDC_CHK_MIDI_LIGHT_LOAD);
    ASSERT_TRUE(ui::WaitUntil([&] { return ui::IsEnabled(settings, IDC_BTN_APPLY); }));
    ui::Click(settings, IDC_BTN_APPLY);
    ASSERT_TRUE(ui::WaitUntil([&] { return !ui::IsEnabled(settings, IDC_BTN_APPLY); }));
    ASSERT_TRUE(ui::WaitUntil([&] {
        const SimCounters counters = Counters();
        return Served(counters, 0, kSimSetSettings) + Served(counters, 1, kSimSetSettings) +
                   Served(counters, 3, kSimSetSettings) ==
               3;
    }));

    std::vector<SimScenario> scenario(1);
    ASSERT_TRUE(control.GetScenario(scenario[0]));
    const SimCounters counters = Counters();
    for (std::uint32_t unit = 0; unit < kSimUnitCount; ++unit) {
        EXPECT_EQ(Served(counters, unit, kSimSetSettings), present[unit] ? 1u : 0u)
            << "link " << unit + 1;
        if (present[unit]) {
            EXPECT_EQ(
                DeviceModel::RecordWord(scenario[0].units[unit], RecordLayout::kMidiInLightLoad),
                1);
        }
    }
    ui::PostCommand(settings, IDCANCEL);
    ASSERT_TRUE(applet.WaitForExit());
}

// Makes the recorder program the shell's "open" handler of web pages for one test.
class RecorderAssociation {
public:
    explicit RecorderAssociation(const std::wstring& output) : m_output(output) {
        ::DeleteFileW(output.c_str());
        const std::wstring command =
            L"\"" + ChildProcess::WindowsPath(TX_RECORDER_PATH) + L"\" \"" + output + L"\" \"%1\"";
        m_ok =
            SetDefault(L"Software\\Classes\\.htm", kProgId) &&
            SetDefault(std::wstring(L"Software\\Classes\\") + kProgId + L"\\shell\\open\\command",
                       command);
    }
    ~RecorderAssociation() {
        ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Classes\\.htm");
        ::RegDeleteTreeW(HKEY_LOCAL_MACHINE,
                         (std::wstring(L"Software\\Classes\\") + kProgId).c_str());
        ::DeleteFileW(m_output.c_str());
    }
    bool Registered() const { return m_ok; }

    // What the recorder was asked to open; empty until it has run.
    std::wstring Opened() const {
        HANDLE file = ::CreateFileW(m_output.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return {};
        }
        wchar_t text[MAX_PATH * 2] = {};
        DWORD read = 0;
        ::ReadFile(file, text, sizeof(text) - sizeof(wchar_t), &read, nullptr);
        ::CloseHandle(file);
        return std::wstring(text, read / sizeof(wchar_t));
    }

private:
    static constexpr const wchar_t* kProgId = L"TxReadmeRecorder.htm";

    static bool SetDefault(const std::wstring& keyPath, const std::wstring& value) {
        HKEY key = nullptr;
        if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, 0, KEY_WRITE,
                              nullptr, &key, nullptr) != ERROR_SUCCESS) {
            return false;
        }
        const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
        const bool ok =
            ::RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                             bytes) == ERROR_SUCCESS;
        ::RegCloseKey(key);
        return ok;
    }

    std::wstring m_output;
    bool m_ok = false;
};

TEST_F(Fixture, ReadmeButtonOpensThePageOfTheUsersLanguageThroughTheShell) {
    const std::u16string readme = registration.ReadmePath();
    ASSERT_TRUE(registration.IsReadmeAvailable()) << Wide(readme);
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    RecorderAssociation association(std::wstring(temp) + L"tx_readme_opened.txt");
    ASSERT_TRUE(association.Registered());

    AppletProcess applet;
    HWND settings = WaitForSettingsWindow(applet);
    ASSERT_NE(settings, nullptr);
    ui::Click(settings, IDC_BTN_README);
    EXPECT_TRUE(ui::WaitUntil([&] { return !association.Opened().empty(); }))
        << "the shell started no program for the README";
    EXPECT_EQ(association.Opened(), Wide(readme));
    EXPECT_TRUE(::IsWindow(settings));

    ui::PostCommand(settings, IDCANCEL);
    ASSERT_TRUE(applet.WaitForExit());
}

} // namespace
