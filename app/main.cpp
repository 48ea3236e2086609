#include <windows.h>

// Placeholder entry until the application object exists.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return 0; }
