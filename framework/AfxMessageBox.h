#pragma once
#include <windows.h>

#include "platform/TextPort.h"

// Shows the string of the user's language in a message box owned by the thread's active
// window, captioned with the application's name. Without an icon flag in type the box gets
// the exclamation icon. Returns the box's result; 0, and nothing shown, when the string is
// missing.
int AfxMessageBox(UINT stringId, UINT type = MB_OK);
int AfxMessageBox(TextPort& texts, UINT stringId, UINT type = MB_OK);
