#pragma once
#include <cstdint>

enum class RegistryRoot { ClassesRoot };
using RegistryKey = std::uintptr_t;

// Read-only registry access: open a key, query a value, close the key.
class RegistryPort {
public:
    virtual ~RegistryPort() = default;
    // Opens keyPath below root for reading (options 0, KEY_READ, no particular view).
    virtual bool OpenKey(RegistryRoot root, const char16_t* keyPath, RegistryKey& key) = 0;
    // valueName nullptr means the key's default value. With data nullptr this asks for the
    // size only; otherwise size goes in as the buffer's byte count and comes back as the
    // number of bytes stored. The value's type is not reported: nobody looks at it.
    virtual bool QueryValue(RegistryKey key, const char16_t* valueName, void* data,
                            std::uint32_t& size) = 0;
    virtual void CloseKey(RegistryKey key) = 0;
};
