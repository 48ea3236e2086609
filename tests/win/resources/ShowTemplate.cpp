// Shows a dialog template with the texts of the user's language put in the way the windows put
// them, so that a screenshot shows whether every translation fits the fixed layout.
//   show_template.exe settings|nodevice [STOP_FILE]
// Prints the window title as the first line of its output (UTF-8), then stays up until Esc
// or Enter closes the window, STOP_FILE appears, or a minute has passed.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "LocalizedTemplate.h"
#include "app/ResourceIds.h"

namespace {

constexpr UINT_PTR kGiveUpTimer = 1;
constexpr UINT_PTR kStopFileTimer = 2;
std::wstring g_stopFile;

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        LocalizedTemplate::Fill(dialog, static_cast<UINT>(lParam));
        SetTimer(dialog, kGiveUpTimer, 60 * 1000, nullptr);
        SetTimer(dialog, kStopFileTimer, 100, nullptr);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            DestroyWindow(dialog);
        }
        return TRUE;
    case WM_TIMER:
        if (wParam == kGiveUpTimer ||
            (!g_stopFile.empty() &&
             GetFileAttributesW(g_stopFile.c_str()) != INVALID_FILE_ATTRIBUTES)) {
            DestroyWindow(dialog);
        }
        return TRUE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return TRUE;
    default:
        return FALSE;
    }
}

void PrintUtf8Line(const std::u16string& text) {
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    std::string utf8(WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr),
                     '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, length, utf8.data(), static_cast<int>(utf8.size()),
                        nullptr, nullptr);
    std::printf("%s\n", utf8.c_str());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3 ||
        (std::strcmp(argv[1], "settings") && std::strcmp(argv[1], "nodevice"))) {
        std::fprintf(stderr, "usage: show_template.exe settings|nodevice [STOP_FILE]\n");
        return 2;
    }
    if (argc == 3) {
        g_stopFile.assign(argv[2], argv[2] + std::strlen(argv[2]));
    }
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);

    const UINT id = std::strcmp(argv[1], "settings") == 0 ? IDD_SETTINGS_DIALOG : IDD_NODEV_DIALOG;
    HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), nullptr,
                                     DialogProc, id);
    if (dialog == nullptr) {
        std::fprintf(stderr, "show_template: no dialog %u\n", id);
        return 1;
    }
    ShowWindow(dialog, SW_SHOW);
    // Painted before the title is announced, so that a picture taken then shows every control.
    RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    PrintUtf8Line(LocalizedTemplate::Text(IDS_STR_TITLE));

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return 0;
}
