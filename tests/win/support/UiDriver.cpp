#include "tests/win/support/UiDriver.h"

#include <commctrl.h>

#include <thread>
#include <vector>

namespace ui {
namespace {

constexpr DWORD kPollMs = 10;
constexpr UINT kSendLimitMs = 5000;
constexpr int kMessageBoxTextId = 0xFFFF;

std::wstring ClassName(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

bool IsDialogBox(HWND window) {
    return ClassName(window) == L"#32770";
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

BOOL CALLBACK CollectDialog(HWND window, LPARAM list) {
    if (IsDialogBox(window)) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    }
    return TRUE;
}

std::vector<HWND> TopWindows() {
    std::vector<HWND> windows;
    ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> ThreadDialogs(DWORD threadId) {
    std::vector<HWND> dialogs;
    ::EnumThreadWindows(threadId, &CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    return process;
}

HWND WaitFor(const std::function<HWND()>& find) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = find()) != nullptr; });
    return found;
}

} // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD limitMs) {
    const ULONGLONG end = ::GetTickCount64() + limitMs;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (::GetTickCount64() >= end) {
            return condition();
        }
        ::Sleep(kPollMs);
    }
}

HWND FindTopWindow(std::wstring_view title, DWORD processId) {
    for (HWND window : TopWindows()) {
        if ((processId == 0 || ProcessOf(window) == processId) && Text(window) == title) {
            return window;
        }
    }
    return nullptr;
}

HWND WaitForWindow(std::wstring_view title, DWORD processId) {
    return WaitFor([&] { return FindTopWindow(title, processId); });
}

HWND FindProcessWindow(DWORD processId) {
    for (HWND window : TopWindows()) {
        if (ProcessOf(window) == processId && ::IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

HWND FirstTopWindow() {
    HWND first = nullptr;
    ::EnumWindows(
        [](HWND window, LPARAM result) -> BOOL CALLBACK {
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&first));
    return first;
}

HWND FindOwnedDialog(HWND owner) {
    for (HWND window : TopWindows()) {
        if (window != owner && ::GetWindow(window, GW_OWNER) == owner && IsDialogBox(window) &&
            ::IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

HWND WaitForOwnedDialog(HWND owner) {
    return WaitFor([&] { return FindOwnedDialog(owner); });
}

bool WaitUntilGone(HWND window) {
    return WaitUntil([&] { return !::IsWindow(window); });
}

std::wstring Text(HWND window) {
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendLimitMs,
                               &length)) {
        return {};
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutW(window, WM_GETTEXT, text.size(),
                               reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                               kSendLimitMs, &copied)) {
        return {};
    }
    text.resize(copied);
    return text;
}

std::wstring ControlText(HWND dialog, int controlId) {
    return Text(::GetDlgItem(dialog, controlId));
}

int CheckState(HWND dialog, int controlId) {
    return static_cast<int>(::SendDlgItemMessageW(dialog, controlId, BM_GETCHECK, 0, 0));
}

bool IsEnabled(HWND dialog, int controlId) {
    return ::IsWindowEnabled(::GetDlgItem(dialog, controlId)) != FALSE;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

void Click(HWND dialog, int controlId) {
    ::PostMessageW(::GetDlgItem(dialog, controlId), BM_CLICK, 0, 0);
}

void ClickAndWait(HWND dialog, int controlId) {
    ::SendMessageW(::GetDlgItem(dialog, controlId), BM_CLICK, 0, 0);
}

void PressKey(HWND control, UINT virtualKey) {
    const UINT scan = ::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    ::PostMessageW(control, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    ::PostMessageW(control, WM_KEYUP, virtualKey, 1 | (scan << 16) | (3u << 30));
}

void PostCommand(HWND dialog, int commandId) {
    ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(commandId, BN_CLICKED), 0);
}

std::wstring MessageBoxText(HWND box) {
    return ControlText(box, kMessageBoxTextId);
}

HICON MessageBoxIcon(HWND box) {
    for (HWND child = ::GetWindow(box, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        const LONG style = ::GetWindowLongW(child, GWL_STYLE);
        if (ClassName(child) == L"Static" && (style & SS_TYPEMASK) == SS_ICON) {
            return reinterpret_cast<HICON>(::SendMessageW(child, STM_GETICON, 0, 0));
        }
    }
    return nullptr;
}

void AnswerMessageBox(HWND box, int buttonId) {
    Click(box, buttonId);
}

void CloseThreadDialogs(DWORD threadId) {
    WaitUntil([&] {
        std::vector<HWND> left = ThreadDialogs(threadId);
        for (HWND dialog : left) {
            ::PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }
        return left.empty();
    });
}

INT_PTR RunModalDriven(const std::function<INT_PTR()>& modal, const std::function<void()>& driver) {
    const DWORD modalThread = ::GetCurrentThreadId();
    std::thread driving([&] {
        driver();
        // A driver that closed its dialog leaves it to go away by itself; only what is still
        // open after that is cancelled.
        if (!WaitUntil([&] { return ThreadDialogs(modalThread).empty(); }, 2000)) {
            CloseThreadDialogs(modalThread);
        }
    });
    INT_PTR result = modal();
    driving.join();
    return result;
}

} // namespace ui
