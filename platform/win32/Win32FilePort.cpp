#include "platform/win32/Win32FilePort.h"

#include "platform/win32/WideText.h"

#include <windows.h>

bool Win32FilePort::FindFirst(const char16_t* path, bool& isDirectory) {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(AsWide(path), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return false;
    }
    FindClose(search);
    isDirectory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    return true;
}
