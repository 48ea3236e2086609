#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "driver/StreamState.h"
#include "framework/CSliderCtrl.h"
#include "platform/TextPort.h"

// The part of the settings window around the buffer level slider: the ASIO buffer size line,
// the real-time/stability meter and the slider's tick labels.
class BufferDisplay {
public:
    BufferDisplay(CWnd& window, CSliderCtrl& slider, TextPort& texts)
        : m_window(window), m_slider(slider), m_texts(texts) {}

    // Shows the size for the stream state, the level and the smaller-buffer switch of the
    // working record, and the meter for the slider and the smaller-buffer check state. A text
    // is set only when it differs from what its control shows.
    void Show(const StreamState& state, std::int32_t bufferLevel, std::int32_t smallerAsioBuffer,
              std::int32_t smallerChecked);

    // Puts a tick mark at every position of the slider's range and centres the labels and the
    // caret under their ticks; labels beyond the range are hidden.
    void PlaceTickLabels();

private:
    struct TextControls {
        HWND size = nullptr;
        HWND realTime = nullptr;
        HWND stability = nullptr;
    };

    // The three text controls of the current window, looked up once per window: they live as
    // long as it does, and each lookup is a round trip to the window manager (under Wine a
    // server call, a good part of what a refresh costs besides its device requests).
    const TextControls& Controls();
    static void SetTextIfChanged(HWND control, const std::u16string& text);
    void CentreUnderTick(HWND label, int tick);

    CWnd& m_window;
    CSliderCtrl& m_slider;
    TextPort& m_texts;
    HWND m_controlsOf = nullptr;
    TextControls m_controls;
};
