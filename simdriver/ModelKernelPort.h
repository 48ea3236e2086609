#pragma once
// The kernel seam over the simulated device, for host tests and in-process Win32 tests:
// device paths are mapped to units the way the driver names its links, and every handle is
// tracked so that a test sees handles left open and closes of handles that are not open.

#include "platform/KernelPort.h"
#include "simdriver/DeviceModel.h"

class ModelKernelPort : public KernelPort {
public:
    static constexpr std::uint32_t kHandleCapacity = 64;

    explicit ModelKernelPort(DeviceModel& model) : m_model(model) {}

    DeviceHandle Open(const char16_t* path) override;
    bool Control(DeviceHandle handle, std::uint32_t code, void* buffer,
                 std::uint32_t length) override;
    void Close(DeviceHandle handle) override;

    std::uint32_t OpenHandles() const;
    std::uint32_t BadCloses() const { return m_badCloses; }     // unknown or closed handles
    std::uint32_t BadRequests() const { return m_badRequests; } // requests on such handles
    std::uint32_t UnknownPathOpens() const { return m_unknownPathOpens; }
    // Bytes the model reported for the last request that reached it.
    std::uint32_t LastBytesReturned() const { return m_lastBytesReturned; }

    // Unit 0 to 3 of a device link path "\\.\<base>00n" (n = 1 to 4); -1 for any other path.
    static int UnitOfPath(const char16_t* path);

private:
    struct OpenHandle {
        DeviceHandle handle; // 0: free entry
        std::uint32_t unit;
    };
    OpenHandle* Find(DeviceHandle handle);

    DeviceModel& m_model;
    OpenHandle m_handles[kHandleCapacity] = {};
    DeviceHandle m_nextHandle = 0x100;
    std::uint32_t m_badCloses = 0;
    std::uint32_t m_badRequests = 0;
    std::uint32_t m_unknownPathOpens = 0;
    std::uint32_t m_lastBytesReturned = 0;
};
