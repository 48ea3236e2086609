#include "platform/win32/Win32RegistryPort.h"

#include "platform/win32/WideText.h"

#include <windows.h>

namespace {
HKEY RootKey(RegistryRoot root) {
    switch (root) {
    case RegistryRoot::ClassesRoot:
        break;
    }
    return HKEY_CLASSES_ROOT;
}
} // namespace

bool Win32RegistryPort::OpenKey(RegistryRoot root, const char16_t* keyPath, RegistryKey& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(RootKey(root), AsWide(keyPath), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        return false;
    }
    key = reinterpret_cast<RegistryKey>(opened);
    return true;
}

bool Win32RegistryPort::QueryValue(RegistryKey key, const char16_t* valueName, void* data,
                                   std::uint32_t& size) {
    DWORD type = 0;
    DWORD bytes = size;
    LONG result = RegQueryValueExW(reinterpret_cast<HKEY>(key), AsWide(valueName), nullptr, &type,
                                   static_cast<BYTE*>(data), &bytes);
    size = bytes;
    return result == ERROR_SUCCESS;
}

void Win32RegistryPort::CloseKey(RegistryKey key) { RegCloseKey(reinterpret_cast<HKEY>(key)); }
