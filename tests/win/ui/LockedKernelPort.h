#pragma once
// The device model behind the kernel seam, shared between the window's thread (whose requests
// go through the seam) and the test's thread (which reads counters and changes the scenario).
// Every access takes one lock.

#include "simdriver/DeviceModel.h"
#include "simdriver/ModelKernelPort.h"

#include <functional>
#include <mutex>

class LockedKernelPort : public KernelPort {
public:
    explicit LockedKernelPort(DeviceModel& model) : m_model(model), m_port(model) {}

    DeviceHandle Open(const char16_t* path) override {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_port.Open(path);
    }
    bool Control(DeviceHandle handle, std::uint32_t code, void* buffer,
                 std::uint32_t length) override {
        std::lock_guard<std::mutex> lock(m_mutex);
        const bool answered = m_port.Control(handle, code, buffer, length);
        if (afterRequest) {
            afterRequest(code, m_model);
        }
        return answered;
    }
    void Close(DeviceHandle handle) override {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_port.Close(handle);
    }

    // Runs access on the model and the seam under the lock and returns what it returns.
    template <typename Access> auto With(Access access) {
        std::lock_guard<std::mutex> lock(m_mutex);
        return access(m_model, m_port);
    }

    // Called under the lock after every request that reached the seam; set it before the
    // window runs. Lets a test change the device at an exact point of a request sequence.
    std::function<void(std::uint32_t code, DeviceModel& model)> afterRequest;

private:
    std::mutex m_mutex;
    DeviceModel& m_model;
    ModelKernelPort m_port;
};
