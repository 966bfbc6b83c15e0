// Start-up time of GUI programs: from CreateProcess until the program's
// window is shown and painted in full, measured with the performance counter.
//   watcher.exe [--stages DIR] ROUNDS PROGRAM...
// Painted in full: a top-level window of the process is visible, neither it
// nor any of its visible children has an update region left, and none of
// its text labels is empty, at two looks about a millisecond apart. A
// window shown first and filled or painted later has not started yet.
// Each round starts every program once, in turn, so that a busy machine
// slows them alike, each round in an order turned by one; one round before
// them is not counted (it brings up the desktop). Prints one line per counted start:
//   ROUND PAINTED_MS CREATED_MS PROGRAM
// PAINTED_MS from the CreateProcess call to the painted window, CREATED_MS
// from the call to the creation time the system gives the process, where
// the start-up stage marks count from (bench/StageMarks.cpp).
// With --stages, each start finds in BKFR_STAGES the file DIR\NAME-ROUND.txt
// (NAME: the program's file name without .exe; the uncounted round is -1)
// for the marks of a build that has them.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/Clock.h"

namespace {

struct Search {
    DWORD pid;
    HWND window;
};

BOOL CALLBACK FindVisible(HWND hwnd, LPARAM param)
{
    Search& s = *reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    if (owner == s.pid && ::IsWindowVisible(hwnd)) {
        s.window = hwnd;
        return FALSE;
    }
    return TRUE;
}

// A static control that shows a text (not a frame, an icon or a bitmap).
bool IsTextLabel(HWND hwnd)
{
    char name[16] = "";
    if (::GetClassNameA(hwnd, name, sizeof name) == 0 || lstrcmpiA(name, "Static") != 0)
        return false;
    switch (::GetWindowLongA(hwnd, GWL_STYLE) & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP:
        return true;
    default:
        return false;
    }
}

BOOL CALLBACK FindUnfinishedChild(HWND hwnd, LPARAM param)
{
    if (!::IsWindowVisible(hwnd))
        return TRUE;
    wchar_t text[2];
    // The text the window keeps, read without a message to the program
    // (which would wait for it and change what is timed).
    if (::GetUpdateRect(hwnd, nullptr, FALSE) || (IsTextLabel(hwnd) && ::InternalGetWindowText(hwnd, text, 2) == 0)) {
        *reinterpret_cast<bool*>(param) = true;
        return FALSE;
    }
    return TRUE;
}

// Whether the window and its children are painted, with their texts; the
// children only once the window itself is, as that is cheaper to ask.
bool PaintedInFull(HWND window)
{
    if (::GetUpdateRect(window, nullptr, FALSE))
        return false;
    bool unfinished = false;
    ::EnumChildWindows(window, &FindUnfinishedChild, reinterpret_cast<LPARAM>(&unfinished));
    return !unfinished;
}

double Now(const LARGE_INTEGER& frequency)
{
    LARGE_INTEGER count;
    ::QueryPerformanceCounter(&count);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

struct Start {
    double painted;  // ms from the call; negative when it never was
    double created;  // ms from the call to the process's creation time
};

// Starts the program and waits until its window is painted in full, for
// at most 30 s.
Start TimeStart(const std::string& program, const LARGE_INTEGER& frequency)
{
    const std::string directory = program.substr(0, program.rfind('\\') + 1);
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    Start result{-1.0, 0.0};
    const long long calledUs = SystemTimeUs();
    const double start = Now(frequency);
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, directory.c_str(), &si, &pi))
        return result;
    result.created = static_cast<double>(CreationTimeUs(pi.hProcess) - calledUs) / 1000.0;
    // A window just shown is visible a moment before the system gives it
    // its update region: the state must hold at the next look too, and the
    // time is the first look's.
    double paintedSince = -1.0;
    for (;;) {
        Search search{pi.dwProcessId, nullptr};
        ::EnumWindows(&FindVisible, reinterpret_cast<LPARAM>(&search));
        const double now = Now(frequency);
        if (search.window != nullptr && PaintedInFull(search.window)) {
            if (paintedSince >= 0.0) {
                result.painted = paintedSince;
                break;
            }
            paintedSince = now - start;
        } else {
            paintedSince = -1.0;
        }
        if (now - start > 30000.0 || ::WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0)
            break;
        ::Sleep(1);
    }
    // Lets the program end the message it is in: a build with stage marks
    // writes its paint mark once the painting is done.
    ::Sleep(100);
    ::TerminateProcess(pi.hProcess, 0);
    ::WaitForSingleObject(pi.hProcess, 10000);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return result;
}

// The file of a start's stage marks, now in BKFR_STAGES for the program.
void SetStagesFile(const std::string& directory, const std::string& program, int round)
{
    std::string name = program.substr(program.rfind('\\') + 1);
    if (name.size() > 4 && lstrcmpiA(name.c_str() + name.size() - 4, ".exe") == 0)
        name.resize(name.size() - 4);
    const std::string file = directory + "\\" + name + "-" + std::to_string(round) + ".txt";
    ::DeleteFileA(file.c_str());
    ::SetEnvironmentVariableA("BKFR_STAGES", file.c_str());
}

}  // namespace

int main(int argc, char** argv)
{
    int first = 1;
    std::string stages;
    if (argc > 2 && std::strcmp(argv[1], "--stages") == 0) {
        stages = argv[2];
        first = 3;
    }
    if (argc < first + 2) {
        std::fprintf(stderr, "usage: watcher [--stages DIR] ROUNDS PROGRAM...\n");
        return 2;
    }
    const int rounds = std::max(1, std::atoi(argv[first]));

    // A window of this process, never shown, keeps the desktop process
    // alive between the starts, as a user's session would.
    ::CreateWindowExA(0, "STATIC", "watcher", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);

    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    const int programs = argc - first - 1;
    for (int round = -1; round < rounds; ++round) {
        // The order turns each round: a start may be slower for what ran
        // just before it, and no program is always first or last.
        for (int k = 0; k < programs; ++k) {
            const int i = first + 1 + (k + round + 1) % programs;
            if (!stages.empty())
                SetStagesFile(stages, argv[i], round);
            const Start start = TimeStart(argv[i], frequency);
            if (start.painted < 0.0) {
                std::fprintf(stderr, "watcher: %s painted no window\n", argv[i]);
                return 1;
            }
            if (round >= 0)
                std::printf("%d %.2f %.2f %s\n", round, start.painted, start.created, argv[i]);
            // Lets the ended process's windows go before the next start.
            ::Sleep(200);
        }
    }
    return 0;
}
