#include "ui/CTuneboxDlg.h"

#include <array>
#include <optional>

#include "app/ResourceIds.h"
#include "app/TextHelpers.h"
#include "driver/DriverStatus.h"
#include "driver/LevelTables.h"
#include "framework/AfxMessageBox.h"
#include "framework/ControlText.h"
#include "ui/CTuneboxNoDevDlg.h"
#include "ui/ReadmeLauncher.h"

namespace {

constexpr UINT_PTR kRefreshTimerId = 1;
constexpr UINT kRefreshPeriodMs = 330;
// The driver asks for a moment when the device is busy; one more write follows after it.
constexpr DWORD kRewriteDelayMs = 100;

struct Caption {
    int controlId;
    UINT stringId;
};
// One list for the templates of every model: controls a template lacks are skipped.
constexpr std::array<Caption, 20> kCaptions = {{
    {IDC_GRP_MIDI_IN, IDS_GRP_MIDI_IN_TYPE},
    {IDC_CHK_MIDI_LIGHT_LOAD, IDS_BN_MIDI_IN_TYPE},
    {IDC_GRP_BUF_SIZE, IDS_GRP_BUF_SIZE},
    {IDC_TXT_MIN, IDS_ABB_MIN},
    {IDC_TXT_MAX, IDS_ABB_MAX},
    {IDC_GRP_PERFORMANCE, IDS_GRP_PERFORMANCE},
    {IDC_TXT_REALTIME_LABEL, IDS_STATIC_REALTIME},
    {IDC_TXT_STABILITY_LABEL, IDS_STATIC_STABILITY},
    {IDC_GRP_ASIO, IDS_GRP_ASIO},
    {IDC_CHK_ASIO_DIRECT_MON, IDS_BN_ASIO_MON},
    {IDC_CHK_ASIO_SMALLER, IDS_BN_ASIO_SMALLER},
    {IDC_TXT_ASIO_CREDIT, IDS_STATIC_STEINBERG},
    {IDC_GRP_AUDIO_PORT, IDS_GRP_AUDIO_PORT},
    {IDC_CHK_MULTI_WDM, IDS_BN_MULTI_WDM},
    {IDC_GRP_DIGITAL_OUT, IDS_GRP_DIGITAL_OUT},
    {IDC_CHK_SPDIF_PASSTHRU, IDS_BN_AC3},
    {IDC_BTN_README, IDS_README},
    {IDOK, IDS_OK},
    {IDCANCEL, IDS_CANCEL},
    {IDC_BTN_APPLY, IDS_APPLY},
}};

} // namespace

BEGIN_MESSAGE_MAP(CTuneboxDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_CHK_MIDI_LIGHT_LOAD, &CTuneboxDlg::OnOptionClicked)
ON_BN_CLICKED(IDC_BTN_APPLY, &CTuneboxDlg::OnApplyClicked)
ON_BN_CLICKED(IDC_CHK_ASIO_SMALLER, &CTuneboxDlg::OnSmallerAsioClicked)
ON_WM_HSCROLL()
ON_WM_TIMER()
ON_BN_CLICKED(IDC_CHK_ASIO_DIRECT_MON, &CTuneboxDlg::OnOptionClicked)
ON_BN_CLICKED(IDC_BTN_README, &CTuneboxDlg::OnReadmeClicked)
END_MESSAGE_MAP()

CTuneboxDlg::CTuneboxDlg(const PlatformPorts& ports, CWnd* parent)
    : CDialog(IDD_SETTINGS_DIALOG, parent), m_ports(ports), m_slots(ports.kernel),
      m_icon(::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP_ICON))),
      m_registration(ports.registry, ports.files, ports.texts),
      m_display(*this, m_bufferSlider, ports.texts) {}

CTuneboxDlg::~CTuneboxDlg() = default;

void CTuneboxDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_CHK_MIDI_LIGHT_LOAD, m_midiLightLoad);
    DDX_Control(pDX, IDC_BTN_APPLY, m_applyButton);
    DDX_Control(pDX, IDC_SLD_BUFFER_SIZE, m_bufferSlider);
    DDX_Check(pDX, IDC_CHK_ASIO_SMALLER, m_smallerAsioBuffer);
    DDX_Check(pDX, IDC_CHK_ASIO_DIRECT_MON, m_asioDirectMonitor);
    DDX_Control(pDX, IDC_BTN_README, m_readmeButton);
}

BOOL CTuneboxDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetIcon(m_icon, TRUE);
    SetIcon(m_icon, FALSE);
    if (!m_slots.AnySlotPresent() || !m_slots.ReadSettings(m_record)) {
        EndForNoDevice();
        return TRUE;
    }
    SetWindowText(ModelTitle(m_ports.texts));
    SetDlgItemText(IDC_TXT_VERSION, m_registration.DriverVersionLine());
    if (const std::optional<std::u16string> copyright = m_registration.DriverCopyrightLine()) {
        SetDlgItemText(IDC_TXT_COPYRIGHT, *copyright);
    }
    SetCaptions();
    RecordToControls();
    EnableApply(false);
    m_readmeButton.EnableWindow(m_registration.IsReadmeAvailable() ? TRUE : FALSE);
    RefreshBufferDisplay();
    PlaceTickLabels();
    m_timerId = SetTimer(kRefreshTimerId, kRefreshPeriodMs, nullptr);
    return TRUE;
}

void CTuneboxDlg::SetCaptions() {
    for (const Caption& caption : kCaptions) {
        SetControlText(m_ports.texts, m_hWnd, caption.controlId, caption.stringId);
    }
}

void CTuneboxDlg::RecordToControls() {
    m_smallerAsioBuffer = m_record.SmallerAsioBuffer() != 0 ? 1 : 0;
    m_record.ClampOffsets();
    m_bufferSlider.SetRangeMin(kMinBufferLevel, TRUE);
    m_bufferSlider.SetRangeMax(kMaxBufferLevel, TRUE);
    m_bufferSlider.SetPos(m_record.BufferLevel());
    m_midiLightLoad = m_record.MidiInLightLoad();
    m_asioDirectMonitor = m_record.AsioDirectMonitor() != 0 ? 1 : 0;
    UpdateData(FALSE);
}

void CTuneboxDlg::ControlsToRecord() {
    UpdateData(TRUE);
    m_record.SetSmallerAsioBuffer(m_smallerAsioBuffer);
    m_record.SetBufferLevel(SliderLevel());
    m_record.ClampOffsets();
    m_record.SetAsioDirectMonitor(m_asioDirectMonitor);
    m_record.SetMidiInLightLoad(m_midiLightLoad);
}

int CTuneboxDlg::SliderLevel() const {
    const int position = m_bufferSlider.GetPos();
    if (position < kMinBufferLevel) {
        return kMinBufferLevel;
    }
    return position > kMaxBufferLevel ? kMaxBufferLevel : position;
}

void CTuneboxDlg::EnableApply(bool enable) {
    m_applyButton.EnableWindow(enable ? TRUE : FALSE);
}

void CTuneboxDlg::OnOptionClicked() {
    EnableApply(true);
}

void CTuneboxDlg::OnSmallerAsioClicked() {
    EnableApply(true);
    UpdateData(TRUE);
    m_record.SetSmallerAsioBuffer(m_smallerAsioBuffer);
    RefreshBufferDisplay();
}

// Every notification counts, also one that leaves the position where it was.
void CTuneboxDlg::OnHScroll(UINT, UINT, HWND) {
    m_record.SetBufferLevel(SliderLevel());
    RefreshBufferDisplay();
    EnableApply(true);
}

void CTuneboxDlg::OnTimer(UINT_PTR timerId) {
    RefreshBufferDisplay();
    CDialog::OnTimer(timerId);
}

void CTuneboxDlg::OnApplyClicked() {
    if (!m_slots.AnySlotPresent()) {
        EndForNoDevice();
        return;
    }
    EnableApply(false);
    // Apply is disabled now; the focus must not stay on it.
    ::SetFocus(GetDlgItem(IDOK));
    ApplySettings();
}

void CTuneboxDlg::OnOK() {
    // No refresh may run behind OK's messages.
    StopRefreshTimer();
    ApplySettings();
    // Also after a no-device ending: the last end request wins, so OK still ends with IDOK.
    CDialog::OnOK();
}

void CTuneboxDlg::OnCancel() {
    StopRefreshTimer();
    CDialog::OnCancel();
}

void CTuneboxDlg::ApplySettings() {
    ControlsToRecord();
    DriverStatus status = kStatusInEffect;
    if (!m_slots.WriteSettings(m_record, status)) {
        EndForNoDevice();
        return;
    }
    if (status == kStatusReconnect) {
        AfxMessageBox(m_ports.texts, IDS_CONF_MIDI_CABLE, MB_OK);
        return;
    }
    if (status != kStatusDeviceInUse) {
        return;
    }
    ::Sleep(kRewriteDelayMs);
    if (!m_slots.WriteSettings(m_record, status)) {
        EndForNoDevice();
        return;
    }
    if (status == kStatusDeviceInUse) {
        AfxMessageBox(m_ports.texts, IDS_CONF_WAVE, MB_OK);
    }
}

void CTuneboxDlg::StopRefreshTimer() {
    if (m_timerId != 0) {
        KillTimer(m_timerId);
        m_timerId = 0;
    }
}

void CTuneboxDlg::EndWithResult(int code) {
    StopRefreshTimer();
    EndDialog(code);
}

void CTuneboxDlg::EndForNoDevice() {
    ShowNoDeviceWindow();
    EndWithResult(IDCANCEL);
}

void CTuneboxDlg::ShowNoDeviceWindow() {
    CTuneboxNoDevDlg window(m_ports);
    window.DoModal();
}

void CTuneboxDlg::ShowBufferDisplay(const StreamState& state) {
    m_display.Show(state, m_record.BufferLevel(), m_record.SmallerAsioBuffer(),
                   m_smallerAsioBuffer);
}

void CTuneboxDlg::RefreshBufferDisplay() {
    StreamState state;
    if (m_slots.QueryStreamState(state)) {
        ShowBufferDisplay(state);
    }
}

void CTuneboxDlg::PlaceTickLabels() {
    m_display.PlaceTickLabels();
}

void CTuneboxDlg::OnReadmeClicked() {
    LaunchReadme(m_registration, m_ports.shell);
}

void CTuneboxDlg::OnSysCommand(UINT command, LPARAM lParam) {
    CDialog::OnSysCommand(command, lParam);
}

void CTuneboxDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client{};
    GetClientRect(&client);
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, m_icon);
    ::EndPaint(m_hWnd, &paint);
}

HCURSOR CTuneboxDlg::OnQueryDragIcon() {
    return m_icon;
}
