#pragma once
#include <windows.h>

#include "driver/DriverRegistration.h"
#include "framework/CDialog.h"
#include "platform/PlatformPorts.h"

// The small window shown instead of the settings when no device can be reached: it asks the
// user to connect the device and start again, and still opens the README.
class CTuneboxNoDevDlg : public CDialog {
public:
    explicit CTuneboxNoDevDlg(const PlatformPorts& ports, CWnd* parent = nullptr);
    ~CTuneboxNoDevDlg() override;

    BOOL OnInitDialog() override;

protected:
    void OnReadmeClicked();

private:
    PlatformPorts m_ports;
    DriverRegistration m_registration;
    HICON m_icon;

    DECLARE_MESSAGE_MAP()
};
