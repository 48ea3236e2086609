#include "ui/BufferDisplay.h"

#include <array>

#include "app/ResourceIds.h"
#include "app/TextHelpers.h"
#include "platform/win32/WideText.h"
#include "ui/BufferSizeMath.h"

namespace {

// Entry i is the label of tick i.
constexpr std::array<int, 11> kTickLabels = {
    IDC_TXT_TICK1, IDC_TXT_TICK2, IDC_TXT_TICK3, IDC_TXT_TICK4,  IDC_TXT_TICK5, IDC_TXT_TICK6,
    IDC_TXT_TICK7, IDC_TXT_TICK8, IDC_TXT_TICK9, IDC_TXT_TICK10, IDC_TXT_TICK11};
// The caret marks the default level.
constexpr int kCaretTick = 5;

std::u16string ControlText(HWND control) {
    const int length = ::GetWindowTextLengthW(control);
    if (length <= 0) {
        return {};
    }
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    const int copied = ::GetWindowTextW(control, AsWide(text.data()), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

} // namespace

void BufferDisplay::Show(const StreamState& state, std::int32_t bufferLevel,
                         std::int32_t smallerAsioBuffer, std::int32_t smallerChecked) {
    const std::int32_t size =
        AsioBufferSamples(state.currentRate, bufferLevel, smallerAsioBuffer, state.unitCount);
    std::u16string format;
    const std::u16string sizeText =
        LoadText(m_texts, IDS_FMT_ASIO_BUF_SIZE, format) ? FormatSampleCount(format, size) : u"";
    const TextControls& controls = Controls();
    SetTextIfChanged(controls.size, sizeText);

    const int rangeMax = m_slider.GetRangeMax();
    const int position = m_slider.GetPos();
    const MeterLengths meter = MeterRowLengths(rangeMax, position, smallerChecked);
    SetTextIfChanged(controls.realTime, MeterText(meter.realTime));
    SetTextIfChanged(controls.stability, MeterText(meter.stability));
}

void BufferDisplay::PlaceTickLabels() {
    m_slider.ClearTics(FALSE);
    for (int i = 0; i <= m_slider.GetRangeMax(); ++i) {
        m_slider.SetTic(i);
    }
    for (std::size_t i = 0; i < kTickLabels.size(); ++i) {
        HWND label = m_window.GetDlgItem(kTickLabels[i]);
        if (label == nullptr) {
            continue;
        }
        const int tick = static_cast<int>(i);
        if (tick > m_slider.GetRangeMax()) {
            ::ShowWindow(label, SW_HIDE);
        } else {
            CentreUnderTick(label, tick);
        }
    }
    if (HWND caret = m_window.GetDlgItem(IDC_TXT_TICK_DEFAULT)) {
        CentreUnderTick(caret, kCaretTick);
    }
}

const BufferDisplay::TextControls& BufferDisplay::Controls() {
    if (m_controlsOf != m_window.m_hWnd) {
        m_controlsOf = m_window.m_hWnd;
        m_controls = {m_window.GetDlgItem(IDC_TXT_ASIO_BUF_SIZE),
                      m_window.GetDlgItem(IDC_TXT_REALTIME_METER),
                      m_window.GetDlgItem(IDC_TXT_STABILITY_METER)};
    }
    return m_controls;
}

void BufferDisplay::SetTextIfChanged(HWND control, const std::u16string& text) {
    if (control != nullptr && ControlText(control) != text) {
        ::SetWindowTextW(control, AsWide(text.c_str()));
    }
}

void BufferDisplay::CentreUnderTick(HWND label, int tick) {
    POINT tickPoint{m_slider.GetTicPos(tick), 0};
    ::ClientToScreen(m_slider.m_hWnd, &tickPoint);
    RECT rect{};
    ::GetWindowRect(label, &rect);
    const LONG width = rect.right - rect.left;
    // Only the top-left corner moves; the size stays.
    POINT topLeft{CenteredLeft(tickPoint.x, width), rect.top};
    ::ScreenToClient(m_window.m_hWnd, &topLeft);
    ::SetWindowPos(label, HWND_TOP, topLeft.x, topLeft.y, 0, 0, SWP_NOSIZE);
}
