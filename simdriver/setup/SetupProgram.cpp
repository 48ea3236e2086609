#include "simdriver/setup/SetupProgram.h"

#include "simdriver/setup/DriverService.h"
#include "simdriver/setup/InstallerRegistry.h"
#include "simdriver/setup/ReadmeFiles.h"
#include "simdriver/setup/SetupConstants.h"

#include <windows.h>

namespace {

constexpr const wchar_t* kUsage =
    L"usage: txsetup install [FOLDER] | uninstall | help\n"
    L"install    installs the TX-90KL simulated driver (service tx90sim, started now and at\n"
    L"           every start of the system), publishes the install folder, version and\n"
    L"           copyright in the registry and copies the README pages to FOLDER\\Readme.\n"
    L"           FOLDER is absolute; default: the program files folder\\Zelvarin\\TX-90KL.\n"
    L"uninstall  removes all of it.\n"
    L"Exit code 0 done, 1 a step failed, 2 bad command line.\n";

bool IsLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

} // namespace

int SetupProgram::Run(const std::vector<std::wstring>& args) {
    if (args.empty()) {
        return Usage(kBadArguments);
    }
    const std::wstring& command = args[0];
    if (command == L"help" && args.size() == 1) {
        return Usage(kDone);
    }
    if (command == L"uninstall" && args.size() == 1) {
        return Uninstall();
    }
    if (command == L"install" && args.size() <= 2) {
        std::wstring folder = args.size() == 2 ? args[1] : DefaultFolder();
        if (!NormaliseFolder(folder)) {
            fwprintf(m_err,
                     L"txsetup: the folder must be absolute (X:\\...) and at most %u "
                     L"characters long: %ls\n",
                     kMaxFolderChars, folder.c_str());
            return kBadArguments;
        }
        return Install(folder);
    }
    fwprintf(m_err, L"txsetup: bad command line (txsetup help shows the usage)\n");
    return kBadArguments;
}

bool SetupProgram::NormaliseFolder(std::wstring& folder) {
    std::wstring result = folder;
    while (result.size() > 3 && result.back() == L'\\') {
        result.pop_back();
    }
    const bool absolute = result.size() > 3 && IsLetter(result[0]) && result[1] == L':' &&
                          result[2] == L'\\' && result[3] != L'\\';
    const bool clean = result.find_first_of(L"/*?\"<>|") == std::wstring::npos &&
                       result.find(L"\\\\") == std::wstring::npos &&
                       result.find(L':', 2) == std::wstring::npos;
    if (!absolute || !clean || result.size() > kMaxFolderChars) {
        return false;
    }
    folder = result;
    return true;
}

int SetupProgram::Install(const std::wstring& folder) {
    SetupError error;
    std::wstring previous;
    if (InstallerRegistry::ReadFolder(previous) && lstrcmpiW(previous.c_str(), folder.c_str())) {
        ReadmeFiles::Remove(previous, error); // an older installation elsewhere; best effort
        error = SetupError();
    }
    const std::wstring source = ProgramFolder();
    const bool done = ReadmeFiles::Copy(source, folder, error) &&
                      InstallerRegistry::Write(folder, error) &&
                      DriverService::Install(source + L"\\" + kDriverFileName, error);
    if (!done) {
        fwprintf(m_err, L"txsetup: %ls (error %lu)\n", error.what.c_str(), error.code);
        return kFailed;
    }
    fwprintf(m_out, L"txsetup: installed in %ls\n", folder.c_str());
    return kDone;
}

int SetupProgram::Uninstall() {
    SetupError error;
    std::wstring folder;
    const bool hasFolder = InstallerRegistry::ReadFolder(folder) && NormaliseFolder(folder);
    const bool done = DriverService::Remove(error) &&
                      (!hasFolder || ReadmeFiles::Remove(folder, error)) &&
                      InstallerRegistry::Remove(error);
    if (!done) {
        fwprintf(m_err, L"txsetup: %ls (error %lu)\n", error.what.c_str(), error.code);
        return kFailed;
    }
    fwprintf(m_out, L"txsetup: uninstalled\n");
    return kDone;
}

int SetupProgram::Usage(int exitCode) {
    fputws(kUsage, m_out);
    return exitCode;
}

std::wstring SetupProgram::DefaultFolder() {
    wchar_t programFiles[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"ProgramFiles", programFiles, MAX_PATH);
    const std::wstring base = length > 0 && length < MAX_PATH ? programFiles : L"C:\\Program Files";
    return base + L"\\" + kMakerFolderName + L"\\" + kProductFolderName;
}

// The folder of this program, which also holds the driver image and the README pages.
std::wstring SetupProgram::ProgramFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length < MAX_PATH ? length : 0);
    const size_t slash = folder.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring(L".") : folder.substr(0, slash);
}
