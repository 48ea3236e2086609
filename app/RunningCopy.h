#pragma once
#include <windows.h>

#include <string>

// How copies of the program find each other: a named mutex marks a running copy, and a
// second copy looks for the running copy's window by its title.

// The vendor prefix, a full stop and the executable name. No kernel-namespace prefix, so
// copies in different logon sessions do not see each other.
std::u16string InstanceMutexName();

// EnumWindows callback; title (a null-terminated wide text) arrives as the parameter. A window
// whose text begins with the title is shown, brought to the top and made the foreground
// window, and ends the enumeration (FALSE).
BOOL CALLBACK ActivateMatchingWindow(HWND window, LPARAM title);

// Brings the running copy's window forward. An empty title makes no search, since every
// window's text begins with it.
void ActivateRunningCopy(const std::u16string& title);
