#include "tests/bench/startup/ProgramLaunch.h"

#include "app/ResourceIds.h"
#include "tests/bench/support/BenchFigures.h"
#include "tests/win/support/UiDriver.h"

namespace {

constexpr DWORD kLimitMs = 20000;

} // namespace

double ProgramLaunch::TimeToWindow() {
    m_error.clear();
    std::wstring commandLine = L"\"" + m_path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    const double start = bench::NowMicroseconds();
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &started)) {
        m_error = "the program did not start (error " + std::to_string(::GetLastError()) + ")";
        return -1;
    }
    HWND window = WaitForWindow(started.dwProcessId, started.hProcess);
    const double shown = bench::NowMicroseconds();
    if (window == nullptr) {
        return Fail("its window did not appear", started);
    }
    if (!CloseAndAwait(window, started.hProcess)) {
        return Fail("it did not end after Cancel", started);
    }
    ::CloseHandle(started.hThread);
    ::CloseHandle(started.hProcess);
    return shown - start;
}

// Polls every millisecond or so: a busy loop would take the processor from the program
// being measured.
HWND ProgramLaunch::WaitForWindow(DWORD processId, HANDLE process) {
    const ULONGLONG deadline = ::GetTickCount64() + kLimitMs;
    while (::GetTickCount64() < deadline) {
        // Its only window, once visible, is the settings window's template.
        HWND window = ui::FindProcessWindow(processId);
        if (window != nullptr && ::GetDlgItem(window, IDC_SLD_BUFFER_SIZE) != nullptr) {
            return window;
        }
        if (::WaitForSingleObject(process, 0) == WAIT_OBJECT_0) {
            break;
        }
        ::Sleep(1);
    }
    return nullptr;
}

bool ProgramLaunch::CloseAndAwait(HWND window, HANDLE process) {
    ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    return ::WaitForSingleObject(process, kLimitMs) == WAIT_OBJECT_0;
}

double ProgramLaunch::Fail(const char* what, const PROCESS_INFORMATION& started) {
    m_error = what;
    if (::WaitForSingleObject(started.hProcess, 0) != WAIT_OBJECT_0) {
        ::TerminateProcess(started.hProcess, 1);
        ::WaitForSingleObject(started.hProcess, kLimitMs);
    }
    ::CloseHandle(started.hThread);
    ::CloseHandle(started.hProcess);
    return -1;
}
