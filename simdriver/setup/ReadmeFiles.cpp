#include "simdriver/setup/ReadmeFiles.h"

#include "simdriver/setup/SetupConstants.h"

#include <windows.h>

namespace {

bool CreateOneFolder(const std::wstring& folder) {
    return CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

std::wstring ParentOf(const std::wstring& folder) {
    const size_t slash = folder.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash);
}

std::wstring NameOf(const std::wstring& folder) {
    return folder.substr(folder.find_last_of(L'\\') + 1);
}

} // namespace

std::wstring ReadmeFiles::PagePath(const std::wstring& folder, const wchar_t* language) {
    return folder + L"\\" + kReadmeFolderName + L"\\Readme_" + language + L".htm";
}

// Every folder from the drive down; the folder is absolute ("X:\...").
bool ReadmeFiles::CreateFolders(const std::wstring& folder) {
    for (size_t slash = folder.find(L'\\', 3); slash != std::wstring::npos;
         slash = folder.find(L'\\', slash + 1)) {
        if (!CreateOneFolder(folder.substr(0, slash))) {
            return false;
        }
    }
    return CreateOneFolder(folder);
}

bool ReadmeFiles::Copy(const std::wstring& source, const std::wstring& folder, SetupError& error) {
    const std::wstring target = folder + L"\\" + kReadmeFolderName;
    if (!CreateFolders(target)) {
        return error.Set(L"cannot create the folder " + target, GetLastError());
    }
    for (const wchar_t* language : kReadmeLanguages) {
        const std::wstring from = PagePath(source, language);
        if (!CopyFileW(from.c_str(), PagePath(folder, language).c_str(), FALSE)) {
            return error.Set(L"cannot copy " + from + L" to " + target, GetLastError());
        }
    }
    return true;
}

bool ReadmeFiles::Remove(const std::wstring& folder, SetupError& error) {
    for (const wchar_t* language : kReadmeLanguages) {
        const std::wstring page = PagePath(folder, language);
        const bool gone = DeleteFileW(page.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND ||
                          GetLastError() == ERROR_PATH_NOT_FOUND;
        if (!gone) {
            return error.Set(L"cannot delete " + page, GetLastError());
        }
    }
    // Folders that still hold something of someone else's stay.
    RemoveDirectoryW((folder + L"\\" + kReadmeFolderName).c_str());
    RemoveDirectoryW(folder.c_str());
    const std::wstring maker = ParentOf(folder);
    if (NameOf(maker) == kMakerFolderName) {
        RemoveDirectoryW(maker.c_str());
    }
    return true;
}
