#include "app/CTuneboxApp.h"

#include <commctrl.h>

#include "app/ApplicationPorts.h"
#include "app/ResourceIds.h"
#include "app/RunningCopy.h"
#include "app/SettingsWindow.h"
#include "app/TextHelpers.h"
#include "platform/win32/WideText.h"

BEGIN_MESSAGE_MAP(CTuneboxApp, CWinApp)
ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CTuneboxApp::CTuneboxApp() = default;

CTuneboxApp::~CTuneboxApp() = default;

BOOL CTuneboxApp::InitInstance() {
    static_assert(sizeof(INITCOMMONCONTROLSEX) == 8);
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);

    const std::u16string mutexName = InstanceMutexName();
    HANDLE running = ::OpenMutexW(MUTEX_ALL_ACCESS, FALSE, AsWide(mutexName.c_str()));
    if (running != nullptr) {
        ::CloseHandle(running);
        ActivateRunningCopy(ModelTitle(ApplicationPorts().texts));
        return FALSE;
    }

    // The handle stays open for the life of the process: the mutex only marks that a copy
    // runs, and goes away with the process.
    ::CreateMutexW(nullptr, FALSE, AsWide(mutexName.c_str()));
    RunSettingsWindow();
    return FALSE;
}

void CTuneboxApp::RunSettingsWindow() {
    SettingsWindow window(ApplicationPorts());
    window.m_slots.BuildSlots();
    window.DoModal();
}
