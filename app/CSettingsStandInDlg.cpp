#include "app/CSettingsStandInDlg.h"

#include "app/ResourceIds.h"
#include "app/TextHelpers.h"

CSettingsStandInDlg::CSettingsStandInDlg(PlatformPorts& ports, CWnd* parent)
    : CDialog(IDD_SETTINGS_DIALOG, parent), m_slots(ports.kernel), m_ports(ports) {}

BOOL CSettingsStandInDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(ModelTitle(m_ports.texts));
    return TRUE;
}
