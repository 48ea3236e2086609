#include "framework/ControlText.h"

#include <string>

#include "app/TextHelpers.h"
#include "platform/win32/WideText.h"

bool SetControlText(TextPort& texts, HWND window, int controlId, std::uint32_t stringId) {
    HWND control = ::GetDlgItem(window, controlId);
    if (control == nullptr) {
        return false;
    }
    std::u16string text;
    if (!LoadText(texts, stringId, text)) {
        return false;
    }
    return ::SetWindowTextW(control, AsWide(text.c_str())) != FALSE;
}
