// A window with German and Japanese text in the dialog fonts, for the bench's screenshot and
// key test and for looking at how the prefix renders them. Escape ends it; so does a
// one-minute timer (exit code 3), so a lost key never leaves it running.
#include <windows.h>

#include <initializer_list>

namespace {

constexpr UINT_PTR kGiveUpTimer = 1;
constexpr int kGaveUp = 3; // exit code when no Escape arrived
int exitCode = 0;

const wchar_t* const kLines[] = {
    L"Deutsch: Puffergröße, Übernehmen, Schließen – ÄÖÜ äöü ß",
    L"日本語: ドライバー設定、バッファサイズ、適用、閉じる",
};

HFONT DialogFont(const wchar_t* face) {
    return CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face);
}

void Paint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    int y = 8;
    for (const wchar_t* face : {L"MS Shell Dlg", L"MS UI Gothic"}) {
        HFONT font = DialogFont(face);
        HGDIOBJ old = SelectObject(dc, font);
        TextOutW(dc, 8, y, face, lstrlenW(face));
        y += 16;
        for (const wchar_t* line : kLines) {
            TextOutW(dc, 16, y, line, lstrlenW(line));
            y += 16;
        }
        SelectObject(dc, old);
        DeleteObject(font);
        y += 8;
    }
    EndPaint(window, &paint);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        Paint(window);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) DestroyWindow(window);
        return 0;
    case WM_TIMER:
        exitCode = kGaveUp;
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(exitCode);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"TxBenchTextWindow";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"TX bench text",
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 40, 40, 420,
                                  170, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    SetTimer(window, kGiveUpTimer, 60000, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
