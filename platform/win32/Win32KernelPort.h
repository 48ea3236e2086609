#pragma once
#include "platform/KernelPort.h"

class Win32KernelPort : public KernelPort {
public:
    DeviceHandle Open(const char16_t* path) override;
    bool Control(DeviceHandle handle, std::uint32_t code, void* buffer,
                 std::uint32_t length) override;
    void Close(DeviceHandle handle) override;
};
