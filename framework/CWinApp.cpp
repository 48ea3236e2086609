#include "framework/CWinApp.h"

#include "app/ResourceIds.h"
#include "app/TextHelpers.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32TextPort.h"

namespace {
// Zero-initialised before any constructor runs, so the application object may register
// itself during static initialisation in whatever order the globals are built.
CWinApp* g_application = nullptr;
} // namespace

CWinApp::CWinApp(const wchar_t* appName)
    : m_appName(appName != nullptr ? AsUtf16(appName) : u""), m_named(appName != nullptr) {
    g_application = this;
}

CWinApp::~CWinApp() {
    if (g_application == this) {
        g_application = nullptr;
    }
}

BOOL CWinApp::InitInstance() {
    return FALSE;
}

const wchar_t* CWinApp::GetAppName() const {
    return AsWide(m_appName.c_str());
}

void CWinApp::LoadAppName(TextPort& texts) {
    if (!m_named) {
        LoadText(texts, IDS_APP_TITLE, m_appName);
        m_named = true;
    }
}

CWinApp* AfxGetApp() {
    return g_application;
}

int AfxWinMain() {
    CWinApp* application = AfxGetApp();
    if (application == nullptr) {
        return -1;
    }
    try {
        Win32TextPort texts;
        application->LoadAppName(texts);
        application->InitInstance();
        return 0;
    } catch (...) {
        return -1;
    }
}

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return AfxWinMain();
}
