#include "tests/e2e/driver/ChildProcess.h"

#include <windows.h>

namespace {

constexpr DWORD kPatienceMilliseconds = 60000;

std::wstring Widen(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

HANDLE CreateOutputFile(const std::wstring& path) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE,
                       nullptr);
}

std::string ReadAll(HANDLE file) {
    std::string text;
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    char chunk[4096];
    DWORD read = 0;
    while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) {
        text.append(chunk, read);
    }
    return text;
}

std::wstring TempFile(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name + std::to_wstring(GetCurrentProcessId()) + L".txt";
}

} // namespace

std::wstring ChildProcess::WindowsPath(const std::string& path) {
    std::wstring result = Widen(path);
    for (wchar_t& c : result) {
        c = c == L'/' ? L'\\' : c;
    }
    return !path.empty() && path[0] == '/' ? L"Z:" + result : result;
}

ChildResult ChildProcess::Run(const std::string& program, const std::string& arguments) {
    ChildResult result;
    HANDLE out = CreateOutputFile(TempFile(L"child_out_"));
    HANDLE err = CreateOutputFile(TempFile(L"child_err_"));
    std::wstring commandLine = L"\"" + WindowsPath(program) + L"\" " + Widen(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    if (out != INVALID_HANDLE_VALUE && err != INVALID_HANDLE_VALUE &&
        CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                       &startup, &process)) {
        if (WaitForSingleObject(process.hProcess, kPatienceMilliseconds) == WAIT_OBJECT_0) {
            result.ran = GetExitCodeProcess(process.hProcess, &result.exitCode);
        } else {
            TerminateProcess(process.hProcess, 1); // ours, and stuck
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        result.out = ReadAll(out);
        result.err = ReadAll(err);
    }
    CloseHandle(out);
    CloseHandle(err);
    return result;
}
