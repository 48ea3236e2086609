#include "tests/win/ui/TitledWindow.h"

#include "tests/win/support/UiDriver.h"

namespace {

struct Search {
    DWORD process;
    std::wstring_view title;
    int controlId;
    HWND found;
};

BOOL CALLBACK Match(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process == search->process && ::GetDlgItem(window, search->controlId) != nullptr &&
        ui::Text(window) == search->title) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND FindTitledWindow(DWORD processId, std::wstring_view title, int controlId) {
    Search search{processId, title, controlId, nullptr};
    ::EnumWindows(&Match, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForTitledWindow(DWORD processId, std::wstring_view title, int controlId) {
    HWND found = nullptr;
    ui::WaitUntil(
        [&] { return (found = FindTitledWindow(processId, title, controlId)) != nullptr; });
    return found;
}

std::wstring Wide(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}
