#pragma once
// A copy of the real applet started by a test. One that outlives its test is ended by the
// test, so a failing test leaves nothing running behind it.

#include <windows.h>

class AppletProcess {
public:
    AppletProcess();
    ~AppletProcess();
    AppletProcess(const AppletProcess&) = delete;
    AppletProcess& operator=(const AppletProcess&) = delete;

    bool Started() const { return m_started; }
    DWORD Id() const { return m_process.dwProcessId; }
    // Waits for the end while this thread's own windows go on handling messages.
    bool WaitForExit();
    bool HasExited() const;

private:
    PROCESS_INFORMATION m_process{};
    bool m_started = false;
};
