// The two dialog templates, both as stored and as the dialog manager builds them.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "ResourceReader.h"
#include "app/ResourceIds.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr LANGID kEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

enum class Kind { Button, Static, Trackbar };

struct Control {
    UINT id;
    Kind kind;
    DWORD style;
    short x, y, cx, cy;
    const wchar_t* text; // nullptr: the English string englishText
    UINT englishText = 0;
};

// clang-format off
const Control kSettingsControls[] = {
    {IDC_GRP_BUF_SIZE, Kind::Button, kChild | BS_GROUPBOX, 7, 7, 194, 95, L"Audio Buffer Size"},
    {IDC_TXT_MIN, Kind::Static, kChild | SS_RIGHT | WS_GROUP, 12, 25, 30, 8, L"Min."},
    {IDC_SLD_BUFFER_SIZE, Kind::Trackbar, kChild | TBS_HORZ | TBS_BOTTOM | WS_GROUP | WS_TABSTOP,
     44, 20, 118, 21, L"Slider1"},
    {IDC_TXT_MAX, Kind::Static, kChild | SS_LEFT | WS_GROUP, 168, 25, 30, 8, L"Max."},
    {IDC_TXT_TICK1, Kind::Static, kChild | SS_CENTER | WS_GROUP, 50, 41, 8, 8, L"1"},
    {IDC_TXT_TICK2, Kind::Static, kChild | SS_CENTER | WS_GROUP, 60, 41, 8, 8, L"2"},
    {IDC_TXT_TICK3, Kind::Static, kChild | SS_CENTER | WS_GROUP, 70, 41, 8, 8, L"3"},
    {IDC_TXT_TICK4, Kind::Static, kChild | SS_CENTER | WS_GROUP, 80, 41, 8, 8, L"4"},
    {IDC_TXT_TICK5, Kind::Static, kChild | SS_CENTER | WS_GROUP, 90, 41, 8, 8, L"5"},
    {IDC_TXT_TICK6, Kind::Static, kChild | SS_CENTER | WS_GROUP, 99, 41, 8, 8, L"6"},
    {IDC_TXT_TICK7, Kind::Static, kChild | SS_CENTER | WS_GROUP, 110, 41, 8, 8, L"7"},
    {IDC_TXT_TICK8, Kind::Static, kChild | SS_CENTER | WS_GROUP, 120, 41, 8, 8, L"8"},
    {IDC_TXT_TICK9, Kind::Static, kChild | SS_CENTER | WS_GROUP, 130, 41, 8, 8, L"9"},
    {IDC_TXT_TICK10, Kind::Static, kChild | SS_CENTER | WS_GROUP, 138, 41, 9, 8, L"10"},
    {IDC_TXT_TICK11, Kind::Static, kChild | SS_CENTER | WS_GROUP, 152, 41, 9, 8, L"11"},
    {IDC_TXT_TICK_DEFAULT, Kind::Static, kChild | SS_CENTER | WS_GROUP, 100, 48, 8, 8, L"^"},
    {IDC_GRP_PERFORMANCE, Kind::Button, kChild | BS_GROUPBOX | BS_LEFT, 21, 56, 165, 38,
     L"Audio Streaming Performance"},
    {IDC_TXT_REALTIME_LABEL, Kind::Static, kChild | SS_RIGHT | WS_GROUP, 23, 68, 64, 8,
     L"Real Time:"},
    {IDC_TXT_STABILITY_LABEL, Kind::Static, kChild | SS_RIGHT | WS_GROUP, 23, 80, 64, 8,
     L"Stability:"},
    {IDC_TXT_REALTIME_METER, Kind::Static, kChild | SS_LEFT | WS_GROUP, 92, 68, 92, 8,
     L"OOOOOOOOOOO"},
    {IDC_TXT_STABILITY_METER, Kind::Static, kChild | SS_LEFT | WS_GROUP, 92, 80, 92, 8, L"O"},
    {IDC_GRP_ASIO, Kind::Button, kChild | BS_GROUPBOX, 7, 104, 194, 73, L"ASIO Setting"},
    {IDC_TXT_ASIO_BUF_SIZE, Kind::Static, kChild | SS_LEFT | WS_GROUP, 18, 116, 180, 11,
     L"ASIO Buffer Size: --- samples"},
    {IDC_CHK_ASIO_SMALLER, Kind::Button, kChild | BS_AUTOCHECKBOX | WS_TABSTOP, 18, 130, 180, 10,
     L"Use Smaller ASIO Buffer Size"},
    {IDC_CHK_ASIO_DIRECT_MON, Kind::Button, kChild | BS_AUTOCHECKBOX | WS_TABSTOP, 18, 142, 180,
     10, L"Use ASIO Direct Monitor"},
    {IDC_TXT_ASIO_CREDIT, Kind::Static, kChild | SS_LEFT | WS_GROUP, 72, 155, 126, 19, nullptr,
     IDS_STATIC_STEINBERG},
    {IDC_GRP_MIDI_IN, Kind::Button, kChild | BS_GROUPBOX, 7, 180, 194, 27, L"MIDI IN Setting"},
    {IDC_CHK_MIDI_LIGHT_LOAD, Kind::Button, kChild | BS_AUTOCHECKBOX | WS_TABSTOP, 18, 192, 180,
     10, L"Light Load"},
    {IDC_BTN_README, Kind::Button, kChild | BS_PUSHBUTTON | WS_TABSTOP, 59, 212, 90, 14,
     L"Show \"README\""},
    {IDC_TXT_VERSION, Kind::Static, kChild | SS_CENTER | WS_GROUP, 11, 230, 186, 8,
     L"__MODEL__ Driver Ver.x.x.x"},
    {IDC_TXT_COPYRIGHT, Kind::Static, kChild | SS_CENTER | WS_GROUP, 11, 242, 186, 8, nullptr,
     IDS_PROP_COPYR},
    {IDOK, Kind::Button, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, 7, 254, 60, 14, L"OK"},
    {IDCANCEL, Kind::Button, kChild | BS_PUSHBUTTON | WS_TABSTOP, 74, 254, 60, 14, L"Cancel"},
    {IDC_BTN_APPLY, Kind::Button, kChild | BS_PUSHBUTTON | WS_TABSTOP, 141, 254, 60, 14, L"Apply"},
};

const Control kNoDeviceControls[] = {
    {IDOK, Kind::Button, kChild | BS_DEFPUSHBUTTON | WS_TABSTOP, 126, 36, 54, 14, L"OK"},
    {IDC_TXT_NODEV_MSG, Kind::Static, kChild | SS_LEFT | WS_GROUP, 12, 6, 174, 24,
     L"To make settings, connect the device and then execute once again."},
    {IDC_BTN_README, Kind::Button, kChild | BS_PUSHBUTTON | WS_TABSTOP, 18, 36, 90, 14,
     L"Show \"README\""},
};

struct Template {
    const char* name;
    UINT id;
    DWORD style;
    DWORD exStyle;
    short cx, cy;
    const wchar_t* title;
    WORD weight;
    BYTE charset;
    std::span<const Control> controls;
    std::vector<UINT> tabStops;
};

const Template kTemplates[] = {
    {"Settings", IDD_SETTINGS_DIALOG,
     WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS,
     WS_EX_APPWINDOW, 208, 274, L"", 0, DEFAULT_CHARSET, kSettingsControls,
     {IDC_SLD_BUFFER_SIZE, IDC_CHK_ASIO_SMALLER, IDC_CHK_ASIO_DIRECT_MON, IDC_CHK_MIDI_LIGHT_LOAD,
      IDC_BTN_README, IDOK, IDCANCEL, IDC_BTN_APPLY}},
    {"NoDevice", IDD_NODEV_DIALOG, 0x80C000C8, 0, 196, 57, L"__MODEL__ Driver Settings", 400,
     SHIFTJIS_CHARSET, kNoDeviceControls, {IDOK, IDC_BTN_README}},
};
// clang-format on

void PrintTo(const Template& value, std::ostream* os) {
    *os << value.name;
}

const wchar_t* ClassName(Kind kind) {
    switch (kind) {
    case Kind::Button:
        return L"Button";
    case Kind::Static:
        return L"Static";
    case Kind::Trackbar:
        return TRACKBAR_CLASSW;
    }
    return L"";
}

WORD ClassOrdinal(Kind kind) {
    return kind == Kind::Button ? 0x80 : kind == Kind::Static ? 0x82 : 0;
}

std::wstring ExpectedText(const Control& control) {
    if (control.text) {
        return control.text;
    }
    auto text = ResourceReader(GetModuleHandleW(nullptr)).String(control.englishText, kEnglish);
    return text ? *text : L"(no English string)";
}

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

class DialogTemplates : public ::testing::TestWithParam<Template> {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&classes);
    }

    void SetUp() override {
        m_dialog = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(GetParam().id),
                                      nullptr, QuietDialogProc, 0);
        ASSERT_NE(m_dialog, nullptr) << "CreateDialogParamW failed: " << GetLastError();
    }

    void TearDown() override {
        if (m_dialog) {
            DestroyWindow(m_dialog);
        }
    }

    // A dialog-unit rectangle in pixels as the dialog manager computes it: origin and size are
    // converted separately.
    RECT Pixels(short x, short y, short cx, short cy) const {
        RECT r{x, y, cx, cy};
        MapDialogRect(m_dialog, &r);
        return RECT{r.left, r.top, r.left + r.right, r.top + r.bottom};
    }

    HWND m_dialog = nullptr;
};

TEST_P(DialogTemplates, StoredTemplateIsExact) {
    const Template& expected = GetParam();
    auto stored = ResourceReader(GetModuleHandleW(nullptr)).Dialog(expected.id);
    ASSERT_TRUE(stored.has_value()) << "no readable extended template";
    EXPECT_EQ(stored->style, expected.style);
    EXPECT_EQ(stored->exStyle, expected.exStyle);
    EXPECT_EQ(stored->helpId, 0u);
    EXPECT_EQ(stored->x, 0);
    EXPECT_EQ(stored->y, 0);
    EXPECT_EQ(stored->cx, expected.cx);
    EXPECT_EQ(stored->cy, expected.cy);
    EXPECT_FALSE(stored->hasMenu);
    EXPECT_FALSE(stored->hasClass);
    EXPECT_EQ(stored->title, expected.title);
    EXPECT_EQ(stored->pointSize, 8);
    EXPECT_EQ(stored->weight, expected.weight);
    EXPECT_EQ(stored->italic, 0);
    EXPECT_EQ(stored->charset, expected.charset);
    EXPECT_EQ(stored->typeface, L"MS Shell Dlg");

    ASSERT_EQ(stored->items.size(), expected.controls.size());
    for (std::size_t i = 0; i < stored->items.size(); ++i) {
        const auto& item = stored->items[i];
        const Control& control = expected.controls[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1) + ", id " + std::to_string(control.id));
        EXPECT_EQ(item.id, control.id);
        EXPECT_EQ(item.classOrdinal, ClassOrdinal(control.kind));
        if (item.classOrdinal == 0) {
            EXPECT_EQ(lstrcmpiW(item.className.c_str(), ClassName(control.kind)), 0)
                << "class " << std::string(item.className.begin(), item.className.end());
        }
        EXPECT_EQ(item.style, control.style) << std::hex << item.style;
        EXPECT_EQ(item.x, control.x);
        EXPECT_EQ(item.y, control.y);
        EXPECT_EQ(item.cx, control.cx);
        EXPECT_EQ(item.cy, control.cy);
        EXPECT_EQ(item.text, ExpectedText(control));
        EXPECT_EQ(item.helpId, 0u);
        EXPECT_EQ(item.exStyle, 0u);
        EXPECT_EQ(item.extraBytes, 0);
    }
}

TEST_P(DialogTemplates, BuiltControlsFollowTheTemplate) {
    const Template& expected = GetParam();
    RECT client{};
    GetClientRect(m_dialog, &client);
    RECT size = Pixels(0, 0, expected.cx, expected.cy);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);

    std::size_t index = 0;
    for (HWND child = GetWindow(m_dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        ASSERT_LT(index, expected.controls.size()) << "more controls than the template";
        const Control& control = expected.controls[index++];
        SCOPED_TRACE("control #" + std::to_string(index) + ", id " + std::to_string(control.id));
        EXPECT_EQ(static_cast<UINT>(GetDlgCtrlID(child)), control.id);

        wchar_t className[64] = {};
        GetClassNameW(child, className, 64);
        EXPECT_EQ(lstrcmpiW(className, ClassName(control.kind)), 0);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE)), control.style)
            << std::hex << GetWindowLongW(child, GWL_STYLE);

        RECT actual{};
        GetWindowRect(child, &actual);
        MapWindowPoints(HWND_DESKTOP, m_dialog, reinterpret_cast<POINT*>(&actual), 2);
        RECT wanted = Pixels(control.x, control.y, control.cx, control.cy);
        EXPECT_EQ(actual.left, wanted.left);
        EXPECT_EQ(actual.top, wanted.top);
        EXPECT_EQ(actual.right, wanted.right);
        EXPECT_EQ(actual.bottom, wanted.bottom);
    }
    EXPECT_EQ(index, expected.controls.size());
}

TEST_P(DialogTemplates, TabOrderAndDefaultButton) {
    const Template& expected = GetParam();
    std::vector<UINT> stops;
    HWND first = GetNextDlgTabItem(m_dialog, nullptr, FALSE);
    HWND stop = first;
    do {
        stops.push_back(static_cast<UINT>(GetDlgCtrlID(stop)));
        stop = GetNextDlgTabItem(m_dialog, stop, FALSE);
    } while (stop && stop != first && stops.size() <= expected.controls.size());
    EXPECT_EQ(stops, expected.tabStops);

    LRESULT defId = SendMessageW(m_dialog, DM_GETDEFID, 0, 0);
    EXPECT_EQ(HIWORD(defId), DC_HASDEFID);
    EXPECT_EQ(LOWORD(defId), IDOK);
}

TEST_P(DialogTemplates, WindowHasCaptionButNoSystemMenu) {
    const Template& expected = GetParam();
    DWORD style = static_cast<DWORD>(GetWindowLongW(m_dialog, GWL_STYLE));
    EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
    EXPECT_EQ(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
    EXPECT_EQ(IsWindowVisible(m_dialog) != FALSE, (expected.style & WS_VISIBLE) != 0);
    DWORD exStyle = static_cast<DWORD>(GetWindowLongW(m_dialog, GWL_EXSTYLE));
    EXPECT_EQ(exStyle & WS_EX_APPWINDOW, expected.exStyle & WS_EX_APPWINDOW);
}

INSTANTIATE_TEST_SUITE_P(Templates, DialogTemplates, ::testing::ValuesIn(kTemplates),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
