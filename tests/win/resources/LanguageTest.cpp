// Run once per locale: the ordinary loader must pick the table of the user's language (English
// for a language without one), and every text of that language must fit its control.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>

#include "LanguageTable.h"
#include "LocalizedTemplate.h"
#include "app/ResourceIds.h"
#include "platform/win32/Win32TextPort.h"

namespace {

std::string CurrentLocale() {
    const char* locale = std::getenv("TX_LOCALE");
    return locale ? locale : "en_US";
}

std::u16string U16(const wchar_t* text) {
    return reinterpret_cast<const char16_t*>(text);
}

TEST(LanguageChoice, LoaderPicksTheTableOfTheUserLanguage) {
    const std::string locale = CurrentLocale();
    const LanguageRow& row = LanguageTable::ForLocale(locale);
    SCOPED_TRACE("TX_LOCALE=" + locale);

    // Without the generated locale Wine quietly runs in English; say so instead of failing on
    // the strings below.
    ASSERT_EQ(PRIMARYLANGID(GetUserDefaultUILanguage()), LanguageTable::PrimaryLanguage(locale))
        << "Wine did not take the user interface language from the locale";

    Win32TextPort texts;
    std::u16string text;
    ASSERT_TRUE(texts.Load(IDS_STR_TITLE, text));
    EXPECT_EQ(text, U16(row.title));
    ASSERT_TRUE(texts.Load(IDS_PROP_VER, text));
    EXPECT_EQ(text, U16(row.version));
    ASSERT_TRUE(texts.Load(IDS_README_NAME, text));
    EXPECT_EQ(text, U16(row.readme));
    ASSERT_TRUE(texts.Load(IDS_APP_TITLE, text));
    EXPECT_EQ(text, u" ");
}

std::string Utf8(const std::wstring& text) {
    const int length = static_cast<int>(text.size());
    std::string utf8(
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, utf8.data(), static_cast<int>(utf8.size()),
                        nullptr, nullptr);
    return utf8;
}

// Room a control's frame takes from its caption, in pixels: the box of a check box, the edges
// of a push button, the corners of a group box's frame either side of its title.
int FrameAllowance(DWORD style) {
    switch (style & BS_TYPEMASK) {
    case BS_GROUPBOX:
        return 20;
    case BS_AUTOCHECKBOX:
        return GetSystemMetrics(SM_CXMENUCHECK) + 6;
    default:
        return 8;
    }
}

// Checks that the control shows its whole caption: word-wrapped into its height for static
// texts, on one line beside the control's own decoration for buttons.
void ExpectCaptionFits(HWND control) {
    wchar_t text[512] = {};
    GetWindowTextW(control, text, 512);
    wchar_t className[64] = {};
    GetClassNameW(control, className, 64);
    const bool isStatic = lstrcmpiW(className, L"Static") == 0;
    if (text[0] == 0 || (!isStatic && lstrcmpiW(className, L"Button") != 0)) {
        return;
    }
    RECT client{};
    GetClientRect(control, &client);
    const DWORD style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
    const int available = client.right - (isStatic ? 0 : FrameAllowance(style));

    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT needed{0, 0, available, 0};
    DrawTextW(dc, text, -1, &needed,
              DT_CALCRECT | DT_NOPREFIX | (isStatic ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);

    SCOPED_TRACE("control " + std::to_string(GetDlgCtrlID(control)) + " \"" + Utf8(text) + "\"");
    EXPECT_LE(needed.right, available) << "text too wide";
    EXPECT_LE(needed.bottom, client.bottom) << "text too tall (wrapped into more lines)";
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

TEST(LanguageChoice, TextsFitTheirControls) {
    SCOPED_TRACE("TX_LOCALE=" + CurrentLocale());
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&classes);
    // Captions that are English strings: sixteen of the settings window's (group boxes, labels,
    // check boxes, credit, buttons) and its copyright placeholder; all three of the other.
    const std::pair<UINT, int> templates[] = {{IDD_SETTINGS_DIALOG, 17}, {IDD_NODEV_DIALOG, 3}};
    for (auto [templateId, captions] : templates) {
        HWND dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId),
                                         nullptr, QuietDialogProc, 0);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(LocalizedTemplate::Fill(dialog, templateId), captions)
            << "a template caption differs from its English string";
        for (HWND child = GetWindow(dialog, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            ExpectCaptionFits(child);
        }
        DestroyWindow(dialog);
    }
}

} // namespace
