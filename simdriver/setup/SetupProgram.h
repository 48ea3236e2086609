#pragma once
// txsetup: the driver's installer part.
//   txsetup install [FOLDER]   driver service, registry strings and README pages
//   txsetup uninstall          removes all of it
// Exit codes: 0 done, 1 a step failed (one line on stderr says which), 2 bad command line.

#include <stdio.h>
#include <string>
#include <vector>

class SetupProgram {
public:
    static constexpr int kDone = 0;
    static constexpr int kFailed = 1;
    static constexpr int kBadArguments = 2;

    SetupProgram(FILE* out, FILE* err) : m_out(out), m_err(err) {}
    int Run(const std::vector<std::wstring>& args);

    // An absolute folder "X:\..." of at most kMaxFolderChars characters, without trailing
    // backslashes (they are dropped); false for anything else.
    static bool NormaliseFolder(std::wstring& folder);

private:
    int Install(const std::wstring& folder);
    int Uninstall();
    int Usage(int exitCode);
    static std::wstring DefaultFolder();
    static std::wstring ProgramFolder();

    FILE* m_out;
    FILE* m_err;
};
