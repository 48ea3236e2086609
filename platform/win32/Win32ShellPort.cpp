#include "platform/win32/Win32ShellPort.h"

#include "platform/win32/WideText.h"

#include <windows.h>

#include <shellapi.h>

void Win32ShellPort::OpenDocument(const char16_t* path) {
    ShellExecuteW(nullptr, L"open", AsWide(path), L"", L"", SW_SHOW);
}
