#pragma once
// The installer's strings under HKEY_CLASSES_ROOT\CLSID\{class id}\QZID0406: the install
// folder (default value), "version" and "copyright". CLSID has a 32-bit and a 64-bit view on
// a 64-bit system; the applet is a 32-bit program asking for no view and so reads the 32-bit
// one. This 64-bit setup writes both views, so a build of either width finds the strings.

#include "simdriver/setup/SetupError.h"

#include <string>

class InstallerRegistry {
public:
    static bool Write(const std::wstring& folder, SetupError& error);
    // The install folder as the 32-bit view holds it (else the 64-bit view's); false when
    // neither holds one.
    static bool ReadFolder(std::wstring& folder);
    // Deletes the key (and the class key when nothing else is left in it) in both views.
    static bool Remove(SetupError& error);

private:
    static std::wstring ClassKeyPath();
    static std::wstring KeyPath();
};
