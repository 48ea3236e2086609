#include "LocalizedTemplate.h"

#include <commctrl.h>

#include "LanguageTable.h"
#include "ResourceReader.h"
#include "app/ProductIdentity.h"
#include "app/ResourceIds.h"
#include "app/TextHelpers.h"
#include "platform/win32/Win32TextPort.h"
#include "ui/BufferSizeMath.h"

namespace {

// A level and a buffer size wide enough to show the longest meter rows and size line.
constexpr int kLevel = 9;
constexpr int kSamples = 2048;

const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

// The templates carry the English strings as their captions, so a control's string is the one
// whose English text is the control's caption; 0 when no string has it.
UINT StringOfCaption(HWND control) {
    wchar_t caption[512] = {};
    GetWindowTextW(control, caption, 512);
    ResourceReader reader(GetModuleHandleW(nullptr));
    for (UINT id : LanguageTable::StringIds()) {
        if (reader.String(id, LanguageTable::English().language) == std::wstring(caption)) {
            return id;
        }
    }
    return 0;
}

// What the driver and the display would put in: a version line, the buffer size, the meter
// and the slider's ticks.
void FillDriverValues(HWND dialog) {
    SetDlgItemTextW(dialog, IDC_TXT_VERSION, Wide(LocalizedTemplate::Text(IDS_PROP_VER)));
    SetDlgItemTextW(
        dialog, IDC_TXT_ASIO_BUF_SIZE,
        Wide(FormatSampleCount(LocalizedTemplate::Text(IDS_FMT_ASIO_BUF_SIZE), kSamples)));
    MeterLengths meter = MeterRowLengths(9, kLevel, 0);
    SetDlgItemTextW(dialog, IDC_TXT_REALTIME_METER, Wide(MeterText(meter.realTime)));
    SetDlgItemTextW(dialog, IDC_TXT_STABILITY_METER, Wide(MeterText(meter.stability)));

    HWND slider = GetDlgItem(dialog, IDC_SLD_BUFFER_SIZE);
    SendMessageW(slider, TBM_SETRANGE, TRUE, MAKELPARAM(0, 9));
    for (int tick = 0; tick <= 9; ++tick) {
        SendMessageW(slider, TBM_SETTIC, 0, tick);
    }
    SendMessageW(slider, TBM_SETPOS, TRUE, kLevel);
    ShowWindow(GetDlgItem(dialog, IDC_TXT_TICK11), SW_HIDE);
}

} // namespace

int LocalizedTemplate::Fill(HWND dialog, UINT templateId) {
    int replaced = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (UINT id = StringOfCaption(child)) {
            SetWindowTextW(child, Wide(Text(id)));
            ++replaced;
        }
    }
    if (templateId == IDD_SETTINGS_DIALOG) {
        FillDriverValues(dialog);
    }
    SetWindowTextW(dialog, Wide(Text(IDS_STR_TITLE)));
    return replaced;
}

std::u16string LocalizedTemplate::Text(UINT id) {
    Win32TextPort texts;
    std::u16string text;
    LoadText(texts, id, text);
    ReplacePlaceholder(text, kModelPlaceholder, kModelName);
    ReplacePlaceholder(text, kVersionPlaceholder, u"Ver.1.0.0");
    return text;
}
