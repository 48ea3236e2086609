#include "tests/e2e/faults/InstallerKeyBackup.h"

#include "driver/DriverRegistration.h"

namespace {
const wchar_t* const kValueNames[] = {L"", L"version", L"copyright"};
} // namespace

InstallerKeyBackup::InstallerKeyBackup() {
    const std::u16string path = DriverRegistration::DriverKeyPath();
    m_path.assign(path.begin(), path.end());
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_CLASSES_ROOT, m_path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return;
    }
    m_saved = true;
    for (const wchar_t* name : kValueNames) {
        Value value{name, REG_NONE, {}};
        DWORD bytes = 0;
        if (::RegQueryValueExW(key, name, nullptr, &value.type, nullptr, &bytes) != ERROR_SUCCESS) {
            continue;
        }
        value.data.resize(bytes);
        m_saved = ::RegQueryValueExW(key, name, nullptr, &value.type, value.data.data(), &bytes) ==
                      ERROR_SUCCESS &&
                  m_saved;
        m_values.push_back(value);
    }
    ::RegCloseKey(key);
}

InstallerKeyBackup::~InstallerKeyBackup() {
    if (!m_saved) {
        return;
    }
    DeleteKey();
    for (const Value& value : m_values) {
        Set(value.name.c_str(), value.type, value.data);
    }
}

bool InstallerKeyBackup::Set(const wchar_t* name, DWORD type, const std::vector<BYTE>& data) const {
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CLASSES_ROOT, m_path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                          &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const bool set = ::RegSetValueExW(key, name, 0, type, data.data(),
                                      static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
    ::RegCloseKey(key);
    return set;
}

bool InstallerKeyBackup::DeleteKey() const {
    return ::RegDeleteTreeW(HKEY_CLASSES_ROOT, m_path.c_str()) == ERROR_SUCCESS;
}
