// The real applet started as a separate process, under the German user interface language.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/RunningCopy.h"
#include "platform/win32/WideText.h"
#include "tests/win/support/UiDriver.h"

namespace {

constexpr wchar_t kGermanTitle[] = L"TX-90KL Treibereinstellungen";
constexpr wchar_t kEnglishTitle[] = L"TX-90KL Driver Settings";
constexpr DWORD kProcessLimitMs = 20000;

std::wstring AppletPath() {
    std::wstring path = AsWide(u"" TX_APPLET_PATH);
    if (!path.empty() && path[0] == L'/') {
        // A Unix path of the build tree, reached through Wine's drive for the root.
        for (wchar_t& c : path) {
            c = c == L'/' ? L'\\' : c;
        }
        path = L"Z:" + path;
    }
    return path;
}

// A copy of the applet started by the test; ended by the test if it outlives it.
class Applet {
public:
    Applet() {
        std::wstring commandLine = L"\"" + AppletPath() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        m_started = ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0,
                                     nullptr, nullptr, &startup, &m_process) != FALSE;
    }
    ~Applet() {
        if (!m_started) {
            return;
        }
        if (::WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(m_process.hProcess, 99);
            ::WaitForSingleObject(m_process.hProcess, kProcessLimitMs);
        }
        ::CloseHandle(m_process.hThread);
        ::CloseHandle(m_process.hProcess);
    }
    Applet(const Applet&) = delete;
    Applet& operator=(const Applet&) = delete;

    bool Started() const { return m_started; }
    DWORD Id() const { return m_process.dwProcessId; }

    // Waits for the process to end while this thread's windows go on handling messages (the
    // applet shows and activates them). eachTurn runs between waits.
    bool WaitForExit(const std::function<void()>& eachTurn = [] {}) {
        const ULONGLONG end = ::GetTickCount64() + kProcessLimitMs;
        for (;;) {
            DWORD woke =
                ::MsgWaitForMultipleObjects(1, &m_process.hProcess, FALSE, 20, QS_ALLINPUT);
            if (woke == WAIT_OBJECT_0) {
                return true;
            }
            MSG message;
            while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                ::TranslateMessage(&message);
                ::DispatchMessageW(&message);
            }
            eachTurn();
            if (::GetTickCount64() >= end) {
                return false;
            }
        }
    }

    DWORD ExitCode() const {
        DWORD code = STILL_ACTIVE;
        ::GetExitCodeProcess(m_process.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION m_process{};
    bool m_started = false;
};

// Top-level windows of the test itself, standing in for a running copy's window.
class TestWindows {
public:
    TestWindows() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &TestWindows::Procedure;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"SingleInstanceTestWindow";
        ::RegisterClassW(&windowClass);
    }
    ~TestWindows() {
        for (HWND window : m_windows) {
            ::DestroyWindow(window);
        }
    }

    HWND Make(const wchar_t* title, bool visible) {
        HWND window = ::CreateWindowExW(
            0, L"SingleInstanceTestWindow", title, WS_OVERLAPPEDWINDOW | (visible ? WS_VISIBLE : 0),
            20, 20, 300, 120, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        m_windows.push_back(window);
        return window;
    }

    static bool Activated(HWND window) { return ::GetPropW(window, L"activated") != nullptr; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE) {
            ::SetPropW(window, L"activated", reinterpret_cast<HANDLE>(1));
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

    std::vector<HWND> m_windows;
};

TEST(SingleInstance, SecondCopyBringsTheRunningWindowForwardAndEnds) {
    const std::u16string mutexName = InstanceMutexName();
    HANDLE held = ::CreateMutexW(nullptr, FALSE, AsWide(mutexName.c_str()));
    ASSERT_NE(held, nullptr);

    TestWindows windows;
    HWND running = windows.Make(kGermanTitle, false);
    // Made later, so it comes first in the enumeration: only the German title may match.
    HWND english = windows.Make(kEnglishTitle, false);

    Applet second;
    ASSERT_TRUE(second.Started());
    bool showedAWindow = false;
    ASSERT_TRUE(second.WaitForExit(
        [&] { showedAWindow = showedAWindow || ui::FindProcessWindow(second.Id()) != nullptr; }));
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_FALSE(showedAWindow);

    EXPECT_TRUE(::IsWindowVisible(running));
    EXPECT_TRUE(TestWindows::Activated(running));
    EXPECT_EQ(::GetForegroundWindow(), running);
    EXPECT_FALSE(::IsWindowVisible(english));
    ::CloseHandle(held);
}

TEST(SingleInstance, WithoutARunningCopyTheNextStartRunsItsWindow) {
    // A holder that has gone leaves no mutex behind.
    HANDLE held = ::CreateMutexW(nullptr, FALSE, AsWide(InstanceMutexName().c_str()));
    ASSERT_NE(held, nullptr);
    ::CloseHandle(held);

    Applet first;
    ASSERT_TRUE(first.Started());
    HWND window = nullptr;
    ASSERT_TRUE(
        ui::WaitUntil([&] { return (window = ui::FindProcessWindow(first.Id())) != nullptr; }));
    EXPECT_EQ(ui::Text(window), kGermanTitle);

    // A copy started now finds this one and brings it forward.
    TestWindows windows;
    HWND other = windows.Make(L"Other", true);
    ::SetForegroundWindow(other);
    {
        Applet second;
        ASSERT_TRUE(second.Started());
        ASSERT_TRUE(second.WaitForExit());
        EXPECT_EQ(second.ExitCode(), 0u);
    }
    EXPECT_EQ(::GetForegroundWindow(), window);

    ui::PostCommand(window, IDCANCEL);
    ASSERT_TRUE(first.WaitForExit());
    EXPECT_EQ(first.ExitCode(), 0u);
}

} // namespace
