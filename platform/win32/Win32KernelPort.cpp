#include "platform/win32/Win32KernelPort.h"

#include "platform/win32/WideText.h"

#include <windows.h>

DeviceHandle Win32KernelPort::Open(const char16_t* path) {
    HANDLE handle = CreateFileW(AsWide(path), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return kNoDeviceHandle;
    }
    return reinterpret_cast<DeviceHandle>(handle);
}

bool Win32KernelPort::Control(DeviceHandle handle, std::uint32_t code, void* buffer,
                              std::uint32_t length) {
    DWORD returned = 0;
    // No OVERLAPPED structure: the driver completes every request before the call returns.
    return DeviceIoControl(reinterpret_cast<HANDLE>(handle), code, buffer, length, buffer,
                           length, &returned, nullptr) != 0;
}

void Win32KernelPort::Close(DeviceHandle handle) { CloseHandle(reinterpret_cast<HANDLE>(handle)); }
