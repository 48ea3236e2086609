#pragma once
#include <cstdint>

using DeviceHandle = std::uintptr_t;
inline constexpr DeviceHandle kNoDeviceHandle = ~DeviceHandle{0};

// The three kernel operations the device logic needs, and nothing more.
class KernelPort {
public:
    virtual ~KernelPort() = default;
    // Opens a device link for reading and writing, unshared, overlapped; kNoDeviceHandle when
    // the link does not exist or cannot be opened for any reason.
    virtual DeviceHandle Open(const char16_t* path) = 0;
    // One control request; the buffer is both input and output with the same length. Blocks
    // until the driver completes it. True when the driver completed it successfully.
    virtual bool Control(DeviceHandle handle, std::uint32_t code, void* buffer,
                         std::uint32_t length) = 0;
    virtual void Close(DeviceHandle handle) = 0;
};
