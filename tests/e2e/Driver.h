// Drives the real programs from outside: scratch program folders, starting
// and stopping bkfr.exe, finding its windows and message boxes, reading
// control texts and sending commands, as a user's input would.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "tests/harness/Harness.h"

namespace e2e {

using harness::ClearLanguageDir;
using harness::ClickButton;
using harness::ClickOk;
using harness::LanguageText;
using harness::MessageBoxText;
using harness::ProcessWindows;
using harness::ReadWholeFile;
using harness::RemoveTree;
using harness::SetLanguageDir;
using harness::Utf8;
using harness::WaitUntil;
using harness::Wide;
using harness::WindowText;
using harness::WriteWholeFile;

// Environment set by the test runner (Windows paths).
std::string BinDir();       // the build's bkfr.exe and helper.exe
std::string ScratchDir();   // a folder the tests may fill
std::string SourceDir();    // the repository (lang/, docs/)
std::string MeminfoPath();  // the /proc/meminfo copy, or empty when it cannot be faked
// A folder the runner names in an environment variable, or empty if unset.
std::string EnvDir(const char* name);

// A program folder of its own: bkfr.exe and helper.exe copied in, removed
// again at the end.
class ProgramDir {
public:
    // name may contain blanks on purpose.
    explicit ProgramDir(const std::string& name = "program", bool withHelper = true);
    ~ProgramDir();
    ProgramDir(const ProgramDir&) = delete;
    ProgramDir& operator=(const ProgramDir&) = delete;

    const std::string& Path() const { return m_path; }  // ends in a backslash
    std::string File(const std::string& name) const { return m_path + name; }
    std::string IniPath() const { return File("bkfr.ini"); }
    void WriteIni(const std::string& content) const;
    std::string ReadFile(const std::string& name) const;
    std::string IniValue(const std::string& key) const;

private:
    std::string m_path;
};

// One running bkfr.exe.
class Bkfr {
public:
    explicit Bkfr(const ProgramDir& dir, const std::string& arguments = std::string());
    // The program at programPath, an installed copy for example.
    explicit Bkfr(const std::string& programPath);
    ~Bkfr();  // ends the program if it still runs
    Bkfr(const Bkfr&) = delete;
    Bkfr& operator=(const Bkfr&) = delete;

    // Waits for the main window; false when it did not appear.
    bool WaitForWindow(DWORD timeoutMs = 15000);
    HWND Window() const { return m_hwnd; }
    DWORD ProcessId() const { return m_pi.dwProcessId; }

    std::string Caption() const;
    std::string ControlText(int id) const;
    bool ControlEnabled(int id) const;
    int MeterPos(int id) const;

    void Command(UINT id) const;  // WM_COMMAND as a menu item sends it
    // Minimizes through the system command and waits for it.
    bool Minimize() const;
    void SysCommand(UINT sc) const;
    void Post(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // A key pressed in the window with the keyboard focus.
    void PressKey(UINT vk) const;

    // Waits until the uptime line changes: a refresh has come and gone.
    bool WaitForNextSecond() const;

    bool WaitForExit(DWORD timeoutMs = 10000);
    bool Running() const;
    DWORD ExitCode() const;

    // A message box of this process, or null.
    HWND FindMessageBox() const;
    // Waits for a visible dialog of this process, other than the main
    // window, that `accept` takes; null when none came.
    HWND WaitForDialog(const std::function<bool(HWND)>& accept = [](HWND) { return true; }) const;

private:
    void Start(const std::string& programPath, const std::string& arguments);

    PROCESS_INFORMATION m_pi{};
    HWND m_hwnd = nullptr;
};

// The visible buttons of the taskbar (the Start button and one per window
// with a taskbar button).
int VisibleTaskbarButtons();

// One run of helper.exe: the text and caption of the message box it
// showed (empty when none), and its exit code.
struct LauncherRun {
    std::string text;
    std::string caption;
    DWORD exitCode = STILL_ACTIVE;
};
// Starts dir's helper.exe with arguments after its quoted path, answers its
// message box if one comes, and waits for it to end.
LauncherRun RunLauncher(const ProgramDir& dir, const std::string& arguments);
// The same for the helper.exe at helperPath, a path outside the ANSI code
// page for example.
LauncherRun RunLauncher(const std::wstring& helperPath, const std::wstring& arguments);

// Starts bkfr.exe in dir and waits for it to end (a second copy).
DWORD RunToEnd(const ProgramDir& dir, DWORD timeoutMs = 15000);

// Sets the free and page-file figures that Wine reports, through the
// /proc/meminfo copy (kilobytes), and the total, through the file that the
// preloaded sysinfo() shim reads. The destructor puts the real ones back.
class FakeMemory {
public:
    FakeMemory();
    ~FakeMemory();
    bool Available() const { return !m_path.empty(); }
    void SetFreeKb(unsigned long long freeKb, unsigned long long swapTotalKb = 0,
                   unsigned long long swapFreeKb = 0) const;
    bool TotalAvailable() const { return !m_totalPath.empty(); }
    void SetTotalKb(unsigned long long totalKb) const;

private:
    std::string m_path;
    std::string m_original;
    std::string m_totalPath;
};

}  // namespace e2e
