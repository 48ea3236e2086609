#include "tests/e2e/ui/AppletProcess.h"

#include "tests/e2e/driver/ChildProcess.h"

#include <string>

namespace {
constexpr DWORD kExitLimitMs = 20000;
constexpr DWORD kTurnMs = 20;
} // namespace

AppletProcess::AppletProcess() {
    std::wstring commandLine = L"\"" + ChildProcess::WindowsPath(TX_APPLET_PATH) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    m_started = ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 nullptr, &startup, &m_process) != FALSE;
}

AppletProcess::~AppletProcess() {
    if (!m_started) {
        return;
    }
    if (!HasExited()) {
        ::TerminateProcess(m_process.hProcess, 99);
        ::WaitForSingleObject(m_process.hProcess, kExitLimitMs);
    }
    ::CloseHandle(m_process.hThread);
    ::CloseHandle(m_process.hProcess);
}

bool AppletProcess::HasExited() const {
    return m_started && ::WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0;
}

bool AppletProcess::WaitForExit() {
    const ULONGLONG end = ::GetTickCount64() + kExitLimitMs;
    while (m_started) {
        if (::MsgWaitForMultipleObjects(1, &m_process.hProcess, FALSE, kTurnMs, QS_ALLINPUT) ==
            WAIT_OBJECT_0) {
            return true;
        }
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        if (::GetTickCount64() >= end) {
            return false;
        }
    }
    return false;
}
