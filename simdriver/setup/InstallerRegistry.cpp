#include "simdriver/setup/InstallerRegistry.h"

#include "app/ProductIdentity.h"
#include "simdriver/setup/SetupConstants.h"

#include <windows.h>

namespace {

constexpr REGSAM kViews[] = {KEY_WOW64_32KEY, KEY_WOW64_64KEY};

std::wstring Wide(const char16_t* text) {
    std::wstring result;
    for (; *text; ++text) {
        result += static_cast<wchar_t>(*text);
    }
    return result;
}

LSTATUS SetText(HKEY key, const wchar_t* name, const std::wstring& text) {
    return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

LSTATUS WriteView(const std::wstring& path, REGSAM view, const std::wstring& folder) {
    HKEY key = nullptr;
    LSTATUS result = RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0,
                                     KEY_WRITE | view, nullptr, &key, nullptr);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    result = SetText(key, nullptr, folder);
    if (result == ERROR_SUCCESS) {
        result = SetText(key, L"version", kDriverVersionText);
    }
    if (result == ERROR_SUCCESS) {
        result = SetText(key, L"copyright", kDriverCopyrightText);
    }
    RegCloseKey(key);
    return result;
}

bool ReadView(const std::wstring& path, REGSAM view, std::wstring& folder) {
    wchar_t data[kMaxFolderChars + 2] = {};
    DWORD bytes = sizeof data - sizeof(wchar_t); // keeps a terminator whatever is stored
    if (RegGetValueW(HKEY_CLASSES_ROOT, path.c_str(), nullptr, RRF_RT_REG_SZ | view, nullptr, data,
                     &bytes) != ERROR_SUCCESS) {
        return false;
    }
    folder = data;
    return !folder.empty();
}

bool IsGone(LSTATUS result) {
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

} // namespace

std::wstring InstallerRegistry::ClassKeyPath() {
    return L"CLSID\\" + Wide(kDriverClassId);
}

std::wstring InstallerRegistry::KeyPath() {
    return ClassKeyPath() + L"\\" + Wide(kDriverRegistrySubkey);
}

bool InstallerRegistry::Write(const std::wstring& folder, SetupError& error) {
    for (REGSAM view : kViews) {
        const LSTATUS result = WriteView(KeyPath(), view, folder);
        if (result != ERROR_SUCCESS) {
            return error.Set(L"cannot write HKEY_CLASSES_ROOT\\" + KeyPath(), result);
        }
    }
    return true;
}

bool InstallerRegistry::ReadFolder(std::wstring& folder) {
    for (REGSAM view : kViews) {
        if (ReadView(KeyPath(), view, folder)) {
            return true;
        }
    }
    return false;
}

bool InstallerRegistry::Remove(SetupError& error) {
    for (REGSAM view : kViews) {
        const LSTATUS result = RegDeleteKeyExW(HKEY_CLASSES_ROOT, KeyPath().c_str(), view, 0);
        if (!IsGone(result)) {
            return error.Set(L"cannot delete HKEY_CLASSES_ROOT\\" + KeyPath(), result);
        }
        // Fails, and is meant to, while the class key still holds other subkeys.
        RegDeleteKeyExW(HKEY_CLASSES_ROOT, ClassKeyPath().c_str(), view, 0);
    }
    return true;
}
