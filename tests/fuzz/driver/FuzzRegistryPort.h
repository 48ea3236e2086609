#pragma once
// A registry seam whose opens, results, reported sizes and data all come from the fuzzer. It
// keeps to the platform's contract: data written never exceed the size the caller offered.

#include "FuzzInput.h"

#include "platform/RegistryPort.h"

class FuzzRegistryPort : public RegistryPort {
public:
    explicit FuzzRegistryPort(FuzzInput& input) : m_input(input) {}

    bool OpenKey(RegistryRoot, const char16_t* keyPath, RegistryKey& key) override {
        Require(keyPath != nullptr && m_openKeys == 0);
        if (!m_input.Bool()) {
            return false;
        }
        ++m_openKeys;
        key = 1;
        return true;
    }

    bool QueryValue(RegistryKey key, const char16_t*, void* data, std::uint32_t& size) override {
        Require(key == 1 && m_openKeys == 1);
        const std::uint32_t reported = m_input.Word() % 1024;
        if (data != nullptr) {
            m_input.Fill(static_cast<std::uint8_t*>(data), reported < size ? reported : size);
        }
        size = reported;
        return m_input.Bool();
    }

    void CloseKey(RegistryKey key) override {
        Require(key == 1 && m_openKeys == 1);
        --m_openKeys;
    }

    bool AllClosed() const { return m_openKeys == 0; }

private:
    FuzzInput& m_input;
    int m_openKeys = 0;
};
