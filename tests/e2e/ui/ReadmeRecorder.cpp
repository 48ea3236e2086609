// Stands in for the user's web browser: the shell's "open" handler of web pages during the
// README test. Usage: readme_recorder OUTPUT DOCUMENT. Writes DOCUMENT to OUTPUT as UTF-16.
#include <windows.h>

#include <shellapi.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int count = 0;
    LPWSTR* arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (arguments == nullptr || count != 3) {
        return 2;
    }
    // Written aside and renamed, so a reader never sees half a path.
    const std::wstring output = arguments[1];
    const std::wstring partial = output + L".part";
    HANDLE file = ::CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    DWORD written = 0;
    const auto bytes = static_cast<DWORD>(::lstrlenW(arguments[2]) * sizeof(wchar_t));
    const BOOL ok = ::WriteFile(file, arguments[2], bytes, &written, nullptr);
    ::CloseHandle(file);
    return ok && ::MoveFileExW(partial.c_str(), output.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
