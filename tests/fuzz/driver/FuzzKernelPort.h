#pragma once
// A kernel seam whose opens, request results and answers all come from the fuzzer. An answer
// writes a fuzzed number of bytes, never more than the request's length, over the buffer.
// Handles are checked: a request or close on a handle that is not open is a finding.

#include "FuzzInput.h"

#include "platform/KernelPort.h"

#include <set>

class FuzzKernelPort : public KernelPort {
public:
    explicit FuzzKernelPort(FuzzInput& input) : m_input(input) {}

    DeviceHandle Open(const char16_t* path) override {
        Require(path != nullptr);
        if (!m_input.Bool()) {
            return kNoDeviceHandle;
        }
        m_open.insert(++m_next);
        return m_next;
    }

    bool Control(DeviceHandle handle, std::uint32_t, void* buffer, std::uint32_t length) override {
        Require(m_open.count(handle) == 1 && buffer != nullptr);
        const std::uint32_t answered = m_input.Word() % (length + 1);
        m_input.Fill(static_cast<std::uint8_t*>(buffer), answered);
        return m_input.Bool();
    }

    void Close(DeviceHandle handle) override { Require(m_open.erase(handle) == 1); }

    bool AllClosed() const { return m_open.empty(); }

private:
    FuzzInput& m_input;
    std::set<DeviceHandle> m_open;
    DeviceHandle m_next = 0;
};
