#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

// Drives windows from outside their thread (or process), as a user would: finds them, reads
// what they show, clicks, presses keys and answers message boxes. Every wait is bounded
// (kWaitLimitMs): a window that never comes makes a test fail instead of hang.
namespace ui {

inline constexpr DWORD kWaitLimitMs = 15000;

// Polls condition until it holds or the limit passes; returns its last value.
bool WaitUntil(const std::function<bool()>& condition, DWORD limitMs = kWaitLimitMs);

// A top-level window with exactly this title (of processId when non-zero); null when none.
HWND FindTopWindow(std::wstring_view title, DWORD processId = 0);
HWND WaitForWindow(std::wstring_view title, DWORD processId = 0);
// The first visible top-level window of the process.
HWND FindProcessWindow(DWORD processId);
// The window at the top of the z order, the first that EnumWindows reports.
HWND FirstTopWindow();
// A dialog box (message box or nested dialog) that owner owns.
HWND FindOwnedDialog(HWND owner);
HWND WaitForOwnedDialog(HWND owner);
bool WaitUntilGone(HWND window);

std::wstring Text(HWND window);
std::wstring ControlText(HWND dialog, int controlId);
int CheckState(HWND dialog, int controlId);
bool IsEnabled(HWND dialog, int controlId);
// The control that has the keyboard focus in the window's thread.
HWND FocusOf(HWND window);

// Posts the click, so it returns at once even when the click opens a message box.
void Click(HWND dialog, int controlId);
// Sends the click and returns when the dialog has handled it.
void ClickAndWait(HWND dialog, int controlId);
// Key down and key up, posted to the control as the keyboard would.
void PressKey(HWND control, UINT virtualKey);
// Posts a command to the dialog, as its own controls or keys would.
void PostCommand(HWND dialog, int commandId);

// A message box's text and the icon it shows (null when none).
std::wstring MessageBoxText(HWND box);
HICON MessageBoxIcon(HWND box);
// Presses one of the box's buttons.
void AnswerMessageBox(HWND box, int buttonId = IDOK);

// Cancels every dialog box of the thread until none is left.
void CloseThreadDialogs(DWORD threadId);

// Runs modal on this thread while driver runs on a second thread. When the driver returns,
// dialog boxes it left open on this thread are cancelled, so a failing driver cannot hang
// the test. Returns what modal returned.
INT_PTR RunModalDriven(const std::function<INT_PTR()>& modal, const std::function<void()>& driver);

} // namespace ui
