#pragma once
// What an action of the user made the applet show, and how the test answers it, for the
// windows of this process and of the real applet alike.

#include <windows.h>

enum class Shown { NotReached, Nothing, Message, NoDevice };

struct ShownWindow {
    Shown shown = Shown::NotReached;
    HWND window = nullptr; // the message box or the no-device window
};

// Confirms a message box and waits until settings handles messages again (true), or closes the
// no-device window, which ends the settings window (false). Nothing shown: true.
bool Dismiss(const ShownWindow& shown, HWND settings);

// Returns once window's thread waits for messages again (bounded).
void SettleWindow(HWND window);
