#pragma once
#include <windows.h>

#include "driver/DeviceSlotSet.h"
#include "driver/DriverRegistration.h"
#include "driver/StreamState.h"
#include "driver/WorkingRecord.h"
#include "framework/CButton.h"
#include "framework/CDialog.h"
#include "framework/CSliderCtrl.h"
#include "platform/PlatformPorts.h"
#include "ui/BufferDisplay.h"

// The settings window: shows the driver's settings, lets the user change the buffer level and
// the three switches, and writes them to every device link with Apply or OK. Every device
// request of the program is made from this window's message handling.
class CTuneboxDlg : public CDialog {
public:
    // The application fills m_slots (BuildSlots) before the window runs.
    explicit CTuneboxDlg(const PlatformPorts& ports, CWnd* parent = nullptr);
    ~CTuneboxDlg() override;

    BOOL OnInitDialog() override;

    void RecordToControls();
    void ControlsToRecord();
    void EnableApply(bool enable);
    // Writes the controls' settings to the driver and tells the user what the driver answered.
    void ApplySettings();
    void StopRefreshTimer();
    void EndWithResult(int code);
    void ShowNoDeviceWindow();

    void ShowBufferDisplay(const StreamState& state);
    // Asks the driver for its stream state; when it has none, the display stays as it is.
    void RefreshBufferDisplay();
    void PlaceTickLabels();

private:
    PlatformPorts m_ports;

public:
    DeviceSlotSet m_slots;
    WorkingRecord m_record;
    int m_midiLightLoad = 0;
    CButton m_applyButton;
    CSliderCtrl m_bufferSlider;
    int m_smallerAsioBuffer = 0;
    int m_asioDirectMonitor = 1;
    CButton m_readmeButton;
    HICON m_icon;
    UINT_PTR m_timerId = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;

    void OnSysCommand(UINT command, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnOptionClicked();
    void OnApplyClicked();
    void OnSmallerAsioClicked();
    void OnHScroll(UINT code, UINT position, HWND scrollBar);
    void OnTimer(UINT_PTR timerId);
    void OnReadmeClicked();

private:
    // The no-device window, then the end of this one.
    void EndForNoDevice();
    // The slider's position, forced into the range of buffer levels.
    int SliderLevel() const;
    void SetCaptions();

    DriverRegistration m_registration;
    BufferDisplay m_display;

    DECLARE_MESSAGE_MAP()
};
