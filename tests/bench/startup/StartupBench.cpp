// Benchmark: start to window shown, for two programs showing the settings window's template
// (the applet and the bare dialog), in interleaved runs inside one warm Wine session. Prints
// medians and their ratio; judges nothing.
//   startup_bench COUNT PROGRAM.exe BASELINE.exe   (Windows paths)

#include "tests/bench/startup/ProgramLaunch.h"
#include "tests/bench/support/BenchFigures.h"

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr DWORD kPauseMs = 100;

struct Subject {
    std::wstring path;
    std::vector<double> times; // milliseconds
};

std::wstring FileName(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

// One run of the subject; false (with a message) when it failed.
bool RunOnce(Subject& subject, bool record) {
    ProgramLaunch launch(subject.path);
    const double microseconds = launch.TimeToWindow();
    if (microseconds < 0) {
        std::fwprintf(stderr, L"startup_bench: %ls: %hs\n", subject.path.c_str(),
                      launch.Error().c_str());
        return false;
    }
    if (record) {
        subject.times.push_back(microseconds / 1000);
    }
    ::Sleep(kPauseMs);
    return true;
}

void Report(const std::vector<Subject>& subjects, long count) {
    std::printf("start to window shown, %ld interleaved runs each (milliseconds)\n", count);
    std::printf("%-28s %9s %9s %9s\n", "program", "median", "p10", "p90");
    for (const Subject& subject : subjects) {
        std::printf("%-28ls %9.1f %9.1f %9.1f\n", FileName(subject.path).c_str(),
                    bench::Percentile(subject.times, 0.5), bench::Percentile(subject.times, 0.1),
                    bench::Percentile(subject.times, 0.9));
    }
    std::printf("ratio %ls / %ls: %.2f (medians), %.2f (p10)\n", FileName(subjects[0].path).c_str(),
                FileName(subjects[1].path).c_str(),
                bench::Ratio(subjects[0].times, subjects[1].times, 0.5),
                bench::Ratio(subjects[0].times, subjects[1].times, 0.1));
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const long count = argc == 4 ? std::wcstol(argv[1], nullptr, 10) : 0;
    if (count < 1 || count > 10000) {
        std::fprintf(stderr, "usage: startup_bench COUNT PROGRAM.exe BASELINE.exe\n");
        return 2;
    }
    std::vector<Subject> subjects{{argv[2], {}}, {argv[3], {}}};
    // One untimed run each: the first start of a program loads what later ones share.
    for (Subject& subject : subjects) {
        if (!RunOnce(subject, false)) {
            return 1;
        }
    }
    for (long i = 0; i < count; ++i) {
        // Alternating which goes first evens out what one run leaves to the next.
        const std::size_t first = static_cast<std::size_t>(i % 2);
        if (!RunOnce(subjects[first], true) || !RunOnce(subjects[1 - first], true)) {
            return 1;
        }
    }
    Report(subjects, count);
    return 0;
}
