#include "framework/AfxMessageBox.h"

#include <string>

#include "app/TextHelpers.h"
#include "framework/CWinApp.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32TextPort.h"

int AfxMessageBox(UINT stringId, UINT type) {
    Win32TextPort texts;
    return AfxMessageBox(texts, stringId, type);
}

int AfxMessageBox(TextPort& texts, UINT stringId, UINT type) {
    std::u16string prompt;
    if (!LoadText(texts, stringId, prompt)) {
        return 0;
    }
    if ((type & MB_ICONMASK) == 0) {
        type |= MB_ICONEXCLAMATION;
    }
    const wchar_t* caption = AfxGetApp() != nullptr ? AfxGetApp()->GetAppName() : L"";
    return ::MessageBoxW(::GetActiveWindow(), AsWide(prompt.c_str()), caption, type);
}
