// Start-up time of GUI programs: from CreateProcess until the process has a
// visible top-level window, measured with the performance counter.
//   watcher.exe ROUNDS PROGRAM...
// Each round starts every program once, in turn, so that a busy machine
// slows them alike; one round before them is not counted (it brings up the
// desktop). Prints one line per program: its path, the median and the
// fastest start in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD pid;
    bool found;
};

BOOL CALLBACK FindVisible(HWND hwnd, LPARAM param)
{
    Search& s = *reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    if (owner == s.pid && ::IsWindowVisible(hwnd)) {
        s.found = true;
        return FALSE;
    }
    return TRUE;
}

double Now(const LARGE_INTEGER& frequency)
{
    LARGE_INTEGER count;
    ::QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Milliseconds until the program's window shows, or a negative value when
// it does not start or shows nothing within 30 s.
double TimeStart(const std::string& program, const LARGE_INTEGER& frequency)
{
    const std::string directory = program.substr(0, program.rfind('\\') + 1);
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const double start = Now(frequency);
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(), &si,
                          &pi))
        return -1.0;
    double shown = -1.0;
    for (;;) {
        Search search{pi.dwProcessId, false};
        ::EnumWindows(&FindVisible, reinterpret_cast<LPARAM>(&search));
        const double now = Now(frequency);
        if (search.found) {
            shown = now - start;
            break;
        }
        if (now - start > 30000.0 || ::WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0)
            break;
        ::Sleep(1);
    }
    ::TerminateProcess(pi.hProcess, 0);
    ::WaitForSingleObject(pi.hProcess, 10000);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return shown;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 != 0 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: watcher ROUNDS PROGRAM...\n");
        return 2;
    }
    const int rounds = std::max(1, std::atoi(argv[1]));
    const std::vector<std::string> programs(argv + 2, argv + argc);

    // A window of this process, never shown, keeps the desktop process
    // alive between the starts, as a user's session would.
    ::CreateWindowExA(0, "STATIC", "watcher", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);

    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    std::vector<std::vector<double>> times(programs.size());
    for (int round = -1; round < rounds; ++round) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            const double ms = TimeStart(programs[i], frequency);
            if (ms < 0.0) {
                std::fprintf(stderr, "watcher: %s showed no window\n", programs[i].c_str());
                return 1;
            }
            if (round >= 0)
                times[i].push_back(ms);
            // Lets the ended process's windows go before the next start.
            ::Sleep(200);
        }
    }
    for (std::size_t i = 0; i < programs.size(); ++i)
        std::printf("%s %.1f %.1f\n", programs[i].c_str(), Median(times[i]),
                    *std::min_element(times[i].begin(), times[i].end()));
    return 0;
}
