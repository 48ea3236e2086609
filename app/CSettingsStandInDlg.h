#pragma once
#include "driver/DeviceSlotSet.h"
#include "framework/CDialog.h"
#include "platform/PlatformPorts.h"

// The least settings window: the settings template with the title a second copy looks for,
// and the device slots the start-up fills. It shows no settings.
class CSettingsStandInDlg : public CDialog {
public:
    explicit CSettingsStandInDlg(PlatformPorts& ports, CWnd* parent = nullptr);

    DeviceSlotSet m_slots;

    BOOL OnInitDialog() override;

private:
    PlatformPorts& m_ports;
};
