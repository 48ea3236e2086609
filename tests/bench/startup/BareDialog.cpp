// The baseline of the start-up benchmark: a program that shows the settings window's template
// with the applet's resources and nothing behind it, and ends when the window is closed. It is
// C++ with the same static runtime as the applet (its dialog procedure lets no exception
// escape, as any C++ window procedure must), so the two start the same runtime.

#include <windows.h>

#include <commctrl.h>

#include "app/ResourceIds.h"

namespace {

INT_PTR HandleMessage(HWND dialog, UINT message, WPARAM wParam) {
    switch (message) {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            ::EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK BareDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    try {
        return HandleMessage(dialog, message, wParam);
    } catch (...) {
        return FALSE;
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // The same common controls as the applet registers before its first window.
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);
    return static_cast<int>(::DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_SETTINGS_DIALOG),
                                              nullptr, &BareDialogProc, 0));
}
