#include "tests/win/faults/ShownWindow.h"

#include "tests/win/support/UiDriver.h"

bool Dismiss(const ShownWindow& shown, HWND settings) {
    if (shown.shown == Shown::Message) {
        ui::AnswerMessageBox(shown.window);
        ui::WaitUntilGone(shown.window);
        SettleWindow(settings);
        return true;
    }
    if (shown.shown == Shown::NoDevice) {
        ui::Click(shown.window, IDOK);
        ui::WaitUntilGone(shown.window);
        return false;
    }
    return shown.shown == Shown::Nothing;
}

void SettleWindow(HWND window) {
    DWORD_PTR ignored = 0;
    ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, ui::kWaitLimitMs, &ignored);
}
