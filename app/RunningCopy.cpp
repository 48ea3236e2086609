#include "app/RunningCopy.h"

#include <cwchar>

#include "app/ProductIdentity.h"
#include "platform/win32/WideText.h"

namespace {
// The window text arrives in a buffer of 516 units, of which at most 514 characters and the
// terminator are filled.
constexpr int kWindowTextUnits = 516;
constexpr int kWindowTextMaxCount = 515;
} // namespace

std::u16string InstanceMutexName() {
    std::u16string name = kMutexVendorPrefix;
    name += u'.';
    name += kExecutableName;
    return name;
}

BOOL CALLBACK ActivateMatchingWindow(HWND window, LPARAM title) {
    const wchar_t* wanted = reinterpret_cast<const wchar_t*>(title);
    if (wanted == nullptr) {
        return TRUE;
    }
    wchar_t text[kWindowTextUnits] = {};
    ::GetWindowTextW(window, text, kWindowTextMaxCount);
    if (std::wcsncmp(wanted, text, std::wcslen(wanted)) != 0) {
        return TRUE;
    }
    ::ShowWindow(window, SW_SHOW);
    ::BringWindowToTop(window);
    ::SetForegroundWindow(window);
    return FALSE;
}

void ActivateRunningCopy(const std::u16string& title) {
    if (title.empty()) {
        return;
    }
    ::EnumWindows(&ActivateMatchingWindow, reinterpret_cast<LPARAM>(AsWide(title.c_str())));
}
