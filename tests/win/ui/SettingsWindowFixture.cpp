#include "tests/win/ui/SettingsWindowFixture.h"

#include "app/ResourceIds.h"
#include "app/TextHelpers.h"
#include "tests/win/support/UiDriver.h"

#include <commctrl.h>

#include <vector>

namespace {

constexpr int kMessageBoxTextId = 0xFFFF;
constexpr UINT kSettleLimitMs = 15000;

BOOL CALLBACK MatchMessageBox(HWND window, LPARAM param) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    wchar_t name[16] = {};
    ::GetClassNameW(window, name, 16);
    if (process == ::GetCurrentProcessId() && std::wstring(name) == L"#32770" &&
        ::GetDlgItem(window, kMessageBoxTextId) != nullptr) {
        *reinterpret_cast<HWND*>(param) = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

std::wstring LoadWide(TextPort& texts, std::uint32_t id) {
    std::u16string text;
    LoadText(texts, id, text);
    return Wide(text);
}

void SettingsWindowFixture::SetUp() {
    static_assert(sizeof(INITCOMMONCONTROLSEX) == 8);
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    model->Reset();
    const std::u16string key = DriverRegistration::DriverKeyPath();
    registry.Set(key, u"", FakeRegistryPort::Text(u"C:\\Program Files\\TX-90KL"));
    registry.Set(key, u"version", FakeRegistryPort::Text(u"1.2.3"));
    registry.Set(key, u"copyright", FakeRegistryPort::Text(u"(c) 2031 Test Maker"));
    readmePath = DriverRegistration(registry, files, texts).ReadmePath();
    ASSERT_FALSE(readmePath.empty());
    files.entries[readmePath] = false;
    title = Wide(ModelTitle(texts));
    ASSERT_FALSE(title.empty());
}

void SettingsWindowFixture::TearDown() {
    kernel.With([](DeviceModel&, ModelKernelPort& port) {
        EXPECT_EQ(port.OpenHandles(), 0u);
        EXPECT_EQ(port.BadCloses(), 0u);
        EXPECT_EQ(port.BadRequests(), 0u);
        return 0;
    });
}

INT_PTR SettingsWindowFixture::Run(const std::function<void()>& driver) {
    dialog = std::make_unique<CTuneboxDlg>(ports);
    dialog->m_slots.BuildSlots();
    return ui::RunModalDriven([&] { return dialog->DoModal(); }, driver);
}

INT_PTR SettingsWindowFixture::RunOpen(const std::function<void(HWND)>& driver) {
    return Run([&] {
        HWND settings = WaitForSettingsWindow();
        ASSERT_NE(settings, nullptr) << "the settings window did not open";
        driver(settings);
    });
}

void SettingsWindowFixture::SetRecordWord(std::size_t unit, std::uint32_t offset,
                                          std::int32_t value) {
    EditUnit(unit, [&](SimUnitScenario& u) { DeviceModel::SetRecordWord(u, offset, value); });
}

std::int32_t SettingsWindowFixture::StoredWord(std::size_t unit, std::uint32_t offset) {
    return kernel.With([&](DeviceModel& m, ModelKernelPort&) {
        return DeviceModel::RecordWord(m.Scenario().units[unit], offset);
    });
}

void SettingsWindowFixture::SetPresentUnits(std::uint32_t count) {
    kernel.With([&](DeviceModel& m, ModelKernelPort&) {
        for (std::uint32_t i = 0; i < kSimUnitCount; ++i) {
            m.EditScenario().units[i].present = i < count ? 1 : 0;
        }
        return 0;
    });
}

void SettingsWindowFixture::ScriptWrites(std::size_t unit,
                                         const std::vector<std::int32_t>& statuses) {
    EditUnit(unit, [&](SimUnitScenario& u) {
        u.writeStatusCount = 0;
        for (std::int32_t status : statuses) {
            if (u.writeStatusCount < kSimStatusScriptMax) {
                u.writeStatuses[u.writeStatusCount++] = status;
            }
        }
    });
}

std::uint32_t SettingsWindowFixture::Requests(std::uint32_t code) {
    return kernel.With([&](DeviceModel& m, ModelKernelPort&) {
        std::uint32_t total = 0;
        for (std::uint32_t unit = 0; unit < kSimUnitCount; ++unit) {
            total += m.Counters().requests[unit][DeviceModel::CodeIndex(code)];
        }
        return total;
    });
}

HWND SettingsWindowFixture::FindTitledWindow(int controlId) const {
    return ::FindTitledWindow(::GetCurrentProcessId(), title, controlId);
}

HWND SettingsWindowFixture::WaitForSettingsWindow() const {
    return WaitForTitledWindow(::GetCurrentProcessId(), title, IDC_SLD_BUFFER_SIZE);
}

HWND SettingsWindowFixture::WaitForNoDeviceWindow() const {
    return WaitForTitledWindow(::GetCurrentProcessId(), title, IDC_TXT_NODEV_MSG);
}

HWND SettingsWindowFixture::FindMessageBox() {
    HWND found = nullptr;
    ::EnumWindows(&MatchMessageBox, reinterpret_cast<LPARAM>(&found));
    return found;
}

void SettingsWindowFixture::Settle(HWND window) {
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kSettleLimitMs, &ignored);
}

void SettingsWindowFixture::SendKey(HWND control, UINT virtualKey) {
    const UINT scan = ::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    ::SendMessageW(control, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    ::SendMessageW(control, WM_KEYUP, virtualKey, 1 | (scan << 16) | (3u << 30));
}

Outcome SettingsWindowFixture::AwaitOutcome(HWND settings, const std::function<bool()>& begun) {
    Outcome outcome;
    auto look = [&] {
        if (HWND noDevice = FindTitledWindow(IDC_TXT_NODEV_MSG)) {
            outcome = {Outcome::NoDevice, noDevice, L"", Writes()};
        } else if (HWND box = FindMessageBox()) {
            outcome = {Outcome::Message, box, ui::MessageBoxText(box), Writes()};
        }
        return outcome.kind != Outcome::Undecided;
    };
    ui::WaitUntil([&] {
        if (look()) {
            return true;
        }
        if (!begun()) {
            return false;
        }
        // Begun: once the thread waits for messages again, anything it was going to show
        // exists.
        Settle(settings);
        if (!look()) {
            outcome = {Outcome::Nothing, nullptr, L"", Writes()};
        }
        return true;
    });
    return outcome;
}
