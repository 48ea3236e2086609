// A build whose string tables lack the title, the no-device message and "Cancel" in every
// language: the controls keep their template captions, both windows have an empty title, and
// a second copy makes no search for the first.

#include <windows.h>

#include <commctrl.h>

#include "app/CTuneboxApp.h"
#include "app/ResourceIds.h"
#include "app/RunningCopy.h"
#include "app/TextHelpers.h"
#include "platform/PlatformPorts.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32TextPort.h"
#include "tests/unit/driver/FakeFilePort.h"
#include "tests/unit/driver/FakeRegistryPort.h"
#include "tests/win/support/UiDriver.h"
#include "tests/win/ui/LockedKernelPort.h"
#include "tests/win/ui/RecordingShellPort.h"
#include "ui/CTuneboxDlg.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// Template captions of the controls whose strings are missing.
constexpr wchar_t kTemplateCancel[] = L"Cancel";
constexpr wchar_t kTemplateNoDeviceMessage[] =
    L"To make settings, connect the device and then execute once again.";

std::wstring Load(TextPort& texts, std::uint32_t id) {
    std::u16string text;
    LoadText(texts, id, text);
    return std::wstring(text.begin(), text.end());
}

struct Search {
    int controlId;
    HWND found;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if (::IsWindowVisible(window) && ::GetDlgItem(window, search->controlId) != nullptr) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// A shown window of the thread holding a control of this id, once its thread waits for
// messages again. Without a title, that is how these windows are told apart.
HWND WaitForThreadWindow(DWORD thread, int controlId) {
    Search search{controlId, nullptr};
    ui::WaitUntil([&] {
        ::EnumThreadWindows(thread, &MatchDialog, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    });
    if (search.found != nullptr) {
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutW(search.found, WM_NULL, 0, 0, SMTO_NORMAL, ui::kWaitLimitMs, &ignored);
    }
    return search.found;
}

class MissingStringFixture : public ::testing::Test {
protected:
    void SetUp() override {
        static_assert(sizeof(INITCOMMONCONTROLSEX) == 8);
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&controls);
        model->Reset();
        registry.Set(DriverRegistration::DriverKeyPath(), u"version",
                     FakeRegistryPort::Text(u"1.2.3"));
    }

    // Runs the settings window; driver gets the window the test waits for on this thread.
    INT_PTR Run(int controlId, const std::function<void(HWND)>& driver) {
        const DWORD thread = ::GetCurrentThreadId();
        CTuneboxDlg dialog(ports);
        dialog.m_slots.BuildSlots();
        return ui::RunModalDriven([&] { return dialog.DoModal(); },
                                  [&] {
                                      HWND window = WaitForThreadWindow(thread, controlId);
                                      ASSERT_NE(window, nullptr);
                                      driver(window);
                                  });
    }

    std::unique_ptr<DeviceModel> model = std::make_unique<DeviceModel>();
    LockedKernelPort kernel{*model};
    FakeRegistryPort registry;
    FakeFilePort files;
    RecordingShellPort shell;
    Win32TextPort texts;
    PlatformPorts ports{kernel, registry, files, shell, texts};
};

TEST_F(MissingStringFixture, OnlyTheLeftOutStringsAreMissing) {
    std::u16string text;
    for (std::uint32_t id : {IDS_STR_TITLE, IDS_MSG_NODEV, IDS_CANCEL}) {
        EXPECT_FALSE(texts.Load(id, text)) << id;
    }
    for (std::uint32_t id : {IDS_OK, IDS_README, IDS_GRP_BUF_SIZE, IDS_PROP_VER}) {
        EXPECT_TRUE(texts.Load(id, text)) << id;
    }
    EXPECT_EQ(ModelTitle(texts), u"");
}

TEST_F(MissingStringFixture, NoDeviceWindowHasNoTitleAndKeepsTheTemplateMessage) {
    kernel.With(
        [](DeviceModel& m, ModelKernelPort&) { return m.EditScenario().units[0].present = 0; });
    const INT_PTR result = Run(IDC_TXT_NODEV_MSG, [&](HWND noDevice) {
        EXPECT_EQ(ui::Text(noDevice), L"");
        EXPECT_EQ(ui::ControlText(noDevice, IDC_TXT_NODEV_MSG), kTemplateNoDeviceMessage);
        EXPECT_EQ(ui::ControlText(noDevice, IDOK), Load(texts, IDS_OK));
        EXPECT_EQ(ui::ControlText(noDevice, IDC_BTN_README), Load(texts, IDS_README));
        ui::Click(noDevice, IDOK);
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(MissingStringFixture, SettingsWindowHasNoTitleAndKeepsTheTemplateCancel) {
    const INT_PTR result = Run(IDC_SLD_BUFFER_SIZE, [&](HWND settings) {
        EXPECT_EQ(ui::Text(settings), L"");
        EXPECT_EQ(ui::ControlText(settings, IDCANCEL), kTemplateCancel);
        EXPECT_EQ(ui::ControlText(settings, IDC_GRP_BUF_SIZE), Load(texts, IDS_GRP_BUF_SIZE));
        ui::Click(settings, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
}

// The second copy's own start-up, with the first copy's no-device window up: an empty title
// would match every window, so no window may be searched for, shown or raised.
TEST_F(MissingStringFixture, SecondCopySearchesForNoWindow) {
    HANDLE running = ::CreateMutexW(nullptr, FALSE, AsWide(InstanceMutexName().c_str()));
    ASSERT_NE(running, nullptr);
    HWND probe = ::CreateWindowExW(0, L"STATIC", L"Probe", WS_POPUP, 10, 10, 100, 40, nullptr,
                                   nullptr, nullptr, nullptr);
    ASSERT_NE(probe, nullptr);
    kernel.With(
        [](DeviceModel& m, ModelKernelPort&) { return m.EditScenario().units[0].present = 0; });
    Run(IDC_TXT_NODEV_MSG, [&](HWND noDevice) {
        const HWND foreground = ::GetForegroundWindow();
        ::SetWindowPos(probe, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ASSERT_EQ(ui::FirstTopWindow(), probe);
        CTuneboxApp secondCopy;
        EXPECT_FALSE(secondCopy.InitInstance());
        EXPECT_FALSE(::IsWindowVisible(probe));
        EXPECT_EQ(::GetForegroundWindow(), foreground);
        ui::Click(noDevice, IDOK);
    });
    ::DestroyWindow(probe);
    ::CloseHandle(running);
}

} // namespace
