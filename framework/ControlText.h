#pragma once
#include <windows.h>

#include <cstdint>

#include "platform/TextPort.h"

// Sets the caption of the window's child control to the string of the user's language.
// A control the window lacks and a string that is missing are skipped (the control keeps its
// template caption). True when the text was set.
bool SetControlText(TextPort& texts, HWND window, int controlId, std::uint32_t stringId);
