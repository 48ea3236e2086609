#pragma once
#include "platform/RegistryPort.h"

class Win32RegistryPort : public RegistryPort {
public:
    bool OpenKey(RegistryRoot root, const char16_t* keyPath, RegistryKey& key) override;
    bool QueryValue(RegistryKey key, const char16_t* valueName, void* data,
                    std::uint32_t& size) override;
    void CloseKey(RegistryKey key) override;
};
