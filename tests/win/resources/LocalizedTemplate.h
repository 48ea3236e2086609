#pragma once
#include <windows.h>

#include <string>

// Puts the texts of the user's language into a window built from one of the applet's templates,
// as the applet's windows do when they open, with sample values where the driver would supply
// them. Used to look at the translations and to check that they fit the fixed layout.
class LocalizedTemplate {
public:
    // Fills a window built from IDD_SETTINGS_DIALOG or IDD_NODEV_DIALOG, title included;
    // returns how many captions were found in the string table and replaced.
    static int Fill(HWND dialog, UINT templateId);
    // The string of the id in the user's language with the model name and a version put in.
    static std::u16string Text(UINT id);
};
