#pragma once
#include <windows.h>

#include <string>

// One run of a program whose first window is the settings window's template: started, timed
// until that window is visible, closed with Cancel and awaited.
class ProgramLaunch {
public:
    explicit ProgramLaunch(std::wstring path) : m_path(std::move(path)) {}

    // Microseconds from the start of the process to its window shown; negative when the run
    // failed (Error() says why).
    double TimeToWindow();
    const std::string& Error() const { return m_error; }

private:
    HWND WaitForWindow(DWORD processId, HANDLE process);
    bool CloseAndAwait(HWND window, HANDLE process);
    double Fail(const char* what, const PROCESS_INFORMATION& started);

    std::wstring m_path;
    std::string m_error;
};
