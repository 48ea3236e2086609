#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// The bench turns TX_LOCALE into the Unix locale; Wine derives the UI language from it.
LANGID ExpectedUiLanguage() {
    const char* env = std::getenv("TX_LOCALE");
    const std::string locale = env ? env : "en_US";
    static const struct {
        const char* locale;
        LANGID language;
    } table[] = {
        {"en_US", MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)},
        {"de_DE", MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN)},
        {"ja_JP", MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN)},
        {"sv_SE", MAKELANGID(LANG_SWEDISH, SUBLANG_SWEDISH)},
    };
    for (const auto& row : table) {
        if (locale == row.locale) return row.language;
    }
    ADD_FAILURE() << "no expectation for TX_LOCALE=" << locale;
    return 0;
}

int CALLBACK CountFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return 1;
}

int FacesFor(const wchar_t* face, BYTE charset) {
    LOGFONTW query{};
    query.lfCharSet = charset;
    lstrcpynW(query.lfFaceName, face, LF_FACESIZE);
    int count = 0;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &query, CountFace, reinterpret_cast<LPARAM>(&count), 0);
    ReleaseDC(nullptr, dc);
    return count;
}

std::wstring UserString(const wchar_t* key, const wchar_t* value) {
    wchar_t data[64] = {};
    DWORD size = sizeof(data);
    if (RegGetValueW(HKEY_CURRENT_USER, key, value, RRF_RT_REG_SZ, nullptr, data, &size) !=
        ERROR_SUCCESS)
        return L"<missing>";
    return data;
}

} // namespace

TEST(BenchSession, UiLanguageFollowsTheSessionLocale) {
    EXPECT_EQ(GetUserDefaultUILanguage(), ExpectedUiLanguage());
}

TEST(BenchSession, WindowTakesJapaneseAndGermanTextOnTheSessionDisplay) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                  300, 120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    const std::wstring title = L"Größe ändern – バッファサイズ";
    ASSERT_TRUE(SetWindowTextW(window, title.c_str()));
    wchar_t back[64] = {};
    GetWindowTextW(window, back, 64);
    EXPECT_EQ(title, back);
    EXPECT_TRUE(IsWindowVisible(window));
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.right - rect.left, 300);
    DestroyWindow(window);
}

// Without these fonts dialogs fall back to bitmap fonts and Japanese shows as boxes.
TEST(BenchSession, PrefixHasTheDialogAndJapaneseFonts) {
    EXPECT_GT(FacesFor(L"Tahoma", DEFAULT_CHARSET), 0);
    EXPECT_GT(FacesFor(L"", SHIFTJIS_CHARSET), 0);
}

TEST(BenchSession, PrefixDrawsCaptionsAndHidesTheCrashDialog) {
    EXPECT_EQ(UserString(L"Software\\Wine\\X11 Driver", L"Managed"), L"N");
    DWORD show = 1;
    DWORD size = sizeof(show);
    EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\Wine\\WineDbg", L"ShowCrashDialog",
                           RRF_RT_REG_DWORD, nullptr, &show, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(show, 0u);
}
