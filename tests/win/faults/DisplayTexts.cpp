#include "tests/win/faults/DisplayTexts.h"

#include "app/ResourceIds.h"
#include "tests/win/support/UiDriver.h"

namespace {
// The meter of a range 0 to 9 holds 12 letters; the stability row has the position plus 2.
constexpr int kMeterLetters = 12;
constexpr int kStabilityAbovePosition = 2;

std::string Narrow(const std::wstring& text) {
    std::string out;
    for (wchar_t unit : text) {
        out += unit < 0x80 ? static_cast<char>(unit) : '?';
    }
    return out;
}
} // namespace

DisplayTexts DisplayTexts::Read(HWND settings) {
    return {ui::ControlText(settings, IDC_TXT_ASIO_BUF_SIZE),
            ui::ControlText(settings, IDC_TXT_REALTIME_METER),
            ui::ControlText(settings, IDC_TXT_STABILITY_METER)};
}

DisplayTexts DisplayTexts::Template() {
    return {L"ASIO Buffer Size: --- samples", std::wstring(11, L'O'), L"O"};
}

DisplayTexts DisplayTexts::English(int samples, int position) {
    std::wstring number = std::to_wstring(samples);
    number.insert(0, number.size() < 4 ? 4 - number.size() : 0, L' ');
    const int stability = position + kStabilityAbovePosition;
    return {L"ASIO Buffer Size: " + number + L" samples",
            std::wstring(static_cast<std::size_t>(kMeterLetters - stability), L'O'),
            std::wstring(static_cast<std::size_t>(stability), L'O')};
}

std::ostream& operator<<(std::ostream& out, const DisplayTexts& display) {
    return out << '"' << Narrow(display.size) << "\" " << display.realTime.size() << '/'
               << display.stability.size();
}
