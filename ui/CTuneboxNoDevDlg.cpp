#include "ui/CTuneboxNoDevDlg.h"

#include "app/ResourceIds.h"
#include "app/TextHelpers.h"
#include "framework/ControlText.h"
#include "ui/ReadmeLauncher.h"

BEGIN_MESSAGE_MAP(CTuneboxNoDevDlg, CDialog)
ON_BN_CLICKED(IDC_BTN_README, &CTuneboxNoDevDlg::OnReadmeClicked)
END_MESSAGE_MAP()

CTuneboxNoDevDlg::CTuneboxNoDevDlg(const PlatformPorts& ports, CWnd* parent)
    : CDialog(IDD_NODEV_DIALOG, parent), m_ports(ports),
      m_registration(ports.registry, ports.files, ports.texts),
      m_icon(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP_ICON))) {}

CTuneboxNoDevDlg::~CTuneboxNoDevDlg() = default;

BOOL CTuneboxNoDevDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    ModifyStyle(WS_SYSMENU, 0);
    SetIcon(m_icon, TRUE);
    SetIcon(m_icon, FALSE);
    SetWindowText(ModelTitle(m_ports.texts));
    SetControlText(m_ports.texts, m_hWnd, IDC_TXT_NODEV_MSG, IDS_MSG_NODEV);
    if (HWND readme = GetDlgItem(IDC_BTN_README)) {
        SetControlText(m_ports.texts, m_hWnd, IDC_BTN_README, IDS_README);
        ::EnableWindow(readme, m_registration.IsReadmeAvailable() ? TRUE : FALSE);
    }
    SetControlText(m_ports.texts, m_hWnd, IDOK, IDS_OK);
    return TRUE;
}

void CTuneboxNoDevDlg::OnReadmeClicked() {
    LaunchReadme(m_registration, m_ports.shell);
}
