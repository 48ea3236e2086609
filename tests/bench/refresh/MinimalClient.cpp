#include "tests/bench/refresh/MinimalClient.h"

bool MinimalClient::RunOnce() {
    bool allAnswered = true;
    for (const Request& request : m_requests) {
        // The same open as the applet's kernel backend.
        HANDLE handle = ::CreateFileW(request.path.c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            allAnswered = false;
            continue;
        }
        DWORD returned = 0;
        if (!::DeviceIoControl(handle, request.code, m_buffer, request.length, m_buffer,
                               request.length, &returned, nullptr)) {
            allAnswered = false;
        }
        ::CloseHandle(handle);
    }
    return allAnswered;
}
