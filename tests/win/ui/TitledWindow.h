#pragma once
// The applet's two windows carry the same title; a control only one of them has tells them
// apart. Shared by the in-process and the end-to-end tests of the windows.

#include <windows.h>

#include <string>
#include <string_view>

// A top-level window of the process with exactly this title and a control of this id; null
// when there is none.
HWND FindTitledWindow(DWORD processId, std::wstring_view title, int controlId);
// The same, waiting for it within the test helper's limit.
HWND WaitForTitledWindow(DWORD processId, std::wstring_view title, int controlId);

std::wstring Wide(const std::u16string& text);
