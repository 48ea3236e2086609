#pragma once
// The README pages below the install folder: FOLDER\Readme\Readme_XX.htm, one per language.

#include "simdriver/setup/SetupError.h"

#include <string>

class ReadmeFiles {
public:
    // Creates FOLDER\Readme (and any missing folder above it) and copies the pages from
    // SOURCE\Readme.
    static bool Copy(const std::wstring& source, const std::wstring& folder, SetupError& error);
    // Deletes the pages, then FOLDER\Readme and FOLDER when they are left empty, and the
    // maker's folder above FOLDER when it is left empty too.
    static bool Remove(const std::wstring& folder, SetupError& error);

private:
    static std::wstring PagePath(const std::wstring& folder, const wchar_t* language);
    static bool CreateFolders(const std::wstring& folder);
};
