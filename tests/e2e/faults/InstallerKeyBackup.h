#pragma once
// The driver's registry key as the installer left it, kept aside while a test changes or
// deletes it, and put back whole when the test ends. The key is opened in the view a 32-bit
// program reads, the applet's.

#include <windows.h>

#include <string>
#include <vector>

class InstallerKeyBackup {
public:
    InstallerKeyBackup();
    ~InstallerKeyBackup();
    InstallerKeyBackup(const InstallerKeyBackup&) = delete;
    InstallerKeyBackup& operator=(const InstallerKeyBackup&) = delete;

    bool Saved() const { return m_saved; }
    // Sets a value of the key (nullptr: the default value) with this type and these bytes.
    bool Set(const wchar_t* name, DWORD type, const std::vector<BYTE>& data) const;
    bool DeleteKey() const;

private:
    struct Value {
        std::wstring name;
        DWORD type = REG_NONE;
        std::vector<BYTE> data;
    };

    std::wstring m_path;
    std::vector<Value> m_values;
    bool m_saved = false;
};
