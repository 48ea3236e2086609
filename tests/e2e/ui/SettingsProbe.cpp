// Tells the key test (keys_test.sh) what the running applet shows and what the driver saw,
// one line on standard output:
//   settings_probe title      the settings window's title in this language
//   settings_probe window     focus=<control id> pos=<slider> apply=<0|1> size=<size line>
//                             (exit code 1 when the settings window is not open)
//   settings_probe counters   writes=<n> level=<link 1's level> opens=<n> closes=<n>
//   settings_probe reset      the driver back to its embedded default
#include <windows.h>

#include <commctrl.h>

#include "app/ResourceIds.h"
#include "app/TextHelpers.h"
#include "driver/RecordFields.h"
#include "platform/win32/Win32TextPort.h"
#include "simdriver/control/SimControlClient.h"
#include "tests/win/support/UiDriver.h"

#include <string>
#include <vector>

namespace {

void Print(const std::wstring& line) {
    const std::wstring text = line + L"\n";
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(),
                          size, nullptr, nullptr);
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), static_cast<DWORD>(utf8.size()),
                &written, nullptr);
}

std::wstring Title() {
    Win32TextPort texts;
    const std::u16string title = ModelTitle(texts);
    return std::wstring(title.begin(), title.end());
}

int ShowWindowState() {
    HWND settings = ui::FindTopWindow(Title());
    if (settings == nullptr || ::GetDlgItem(settings, IDC_SLD_BUFFER_SIZE) == nullptr) {
        return 1;
    }
    HWND focus = ui::FocusOf(settings);
    const auto position = ::SendDlgItemMessageW(settings, IDC_SLD_BUFFER_SIZE, TBM_GETPOS, 0, 0);
    Print(L"focus=" + std::to_wstring(focus != nullptr ? ::GetDlgCtrlID(focus) : 0) + L" pos=" +
          std::to_wstring(position) + L" apply=" +
          std::to_wstring(ui::IsEnabled(settings, IDC_BTN_APPLY) ? 1 : 0) + L" size=" +
          ui::ControlText(settings, IDC_TXT_ASIO_BUF_SIZE));
    return 0;
}

int ShowCounters() {
    SimControlClient control;
    SimCounters counters{};
    std::vector<SimScenario> scenario(1);
    if (!control.GetCounters(counters) || !control.GetScenario(scenario[0])) {
        return 1;
    }
    std::uint32_t writes = 0;
    std::uint32_t opens = 0;
    std::uint32_t closes = 0;
    for (std::uint32_t unit = 0; unit < kSimUnitCount; ++unit) {
        writes += counters.requests[unit][DeviceModel::CodeIndex(kSimSetSettings)];
        opens += counters.opens[unit];
        closes += counters.closes[unit];
    }
    const std::int32_t level =
        DeviceModel::RecordWord(scenario[0].units[0], RecordLayout::kBufferLevel);
    Print(L"writes=" + std::to_wstring(writes) + L" level=" + std::to_wstring(level) + L" opens=" +
          std::to_wstring(opens) + L" closes=" + std::to_wstring(closes));
    return 0;
}

} // namespace

int wmain(int count, wchar_t** arguments) {
    const std::wstring command = count == 2 ? arguments[1] : L"";
    if (command == L"title") {
        Print(Title());
        return 0;
    }
    if (command == L"window") {
        return ShowWindowState();
    }
    if (command == L"counters") {
        return ShowCounters();
    }
    if (command == L"reset") {
        return SimControlClient().Reset() ? 0 : 1;
    }
    Print(L"usage: settings_probe title|window|counters|reset");
    return 2;
}
