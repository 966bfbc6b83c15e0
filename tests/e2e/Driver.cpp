#include "Driver.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "resources/resource.h"

namespace e2e {

std::string EnvDir(const char* name)
{
    const char* value = std::getenv(name);
    std::string dir = value != nullptr ? value : "";
    if (!dir.empty() && dir.back() != '\\')
        dir += '\\';
    return dir;
}

namespace {

int g_dirCounter = 0;

}  // namespace

std::string BinDir()
{
    return EnvDir("BRISKLET_BIN");
}

std::string ScratchDir()
{
    return EnvDir("BRISKLET_SCRATCH");
}

std::string SourceDir()
{
    return EnvDir("BRISKLET_SOURCE");
}

std::string MeminfoPath()
{
    const char* value = std::getenv("BRISKLET_MEMINFO");
    return value != nullptr ? value : "";
}

ProgramDir::ProgramDir(const std::string& name, bool withHelper)
{
    ::CreateDirectoryA(ScratchDir().c_str(), nullptr);
    m_path = ScratchDir() + name + " " + std::to_string(++g_dirCounter) + "\\";
    RemoveTree(m_path);
    ::CreateDirectoryW(Wide(m_path).c_str(), nullptr);
    ::CopyFileW(Wide(BinDir() + "bkfr.exe").c_str(), Wide(File("bkfr.exe")).c_str(), FALSE);
    if (withHelper)
        ::CopyFileW(Wide(BinDir() + "helper.exe").c_str(), Wide(File("helper.exe")).c_str(), FALSE);
}

ProgramDir::~ProgramDir()
{
    RemoveTree(m_path);
}

void ProgramDir::WriteIni(const std::string& content) const
{
    WriteWholeFile(IniPath(), content);
}

std::string ProgramDir::ReadFile(const std::string& name) const
{
    return ReadWholeFile(File(name));
}

std::string ProgramDir::IniValue(const std::string& key) const
{
    wchar_t value[256];
    ::GetPrivateProfileStringW(L"Settings", Wide(key).c_str(), L"<missing>", value, 256, Wide(IniPath()).c_str());
    return Utf8(value);
}

Bkfr::Bkfr(const ProgramDir& dir, const std::string& arguments)
{
    Start(dir.File("bkfr.exe"), arguments);
}

Bkfr::Bkfr(const std::string& programPath)
{
    Start(programPath, std::string());
}

void Bkfr::Start(const std::string& programPath, const std::string& arguments)
{
    STARTUPINFOW si{};
    si.cb = sizeof si;
    std::wstring commandLine = Wide("\"" + programPath + "\"" + (arguments.empty() ? "" : " " + arguments));
    // Started from another directory, so that its files are found beside
    // the program and not in the current directory.
    const std::wstring current = Wide(ScratchDir());
    ::CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, current.c_str(), &si, &m_pi);
}

Bkfr::~Bkfr()
{
    if (m_pi.hProcess == nullptr)
        return;
    if (Running()) {
        ::TerminateProcess(m_pi.hProcess, 1);
        ::WaitForSingleObject(m_pi.hProcess, 5000);
    }
    ::CloseHandle(m_pi.hThread);
    ::CloseHandle(m_pi.hProcess);
}

bool Bkfr::WaitForWindow(DWORD timeoutMs)
{
    if (m_pi.hProcess == nullptr)
        return false;
    return WaitUntil(
        [this] {
            for (HWND hwnd : ProcessWindows(m_pi.dwProcessId, "#32770")) {
                if (::GetMenu(hwnd) != nullptr && ::IsWindowVisible(hwnd)) {
                    m_hwnd = hwnd;
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
}

std::string Bkfr::Caption() const
{
    return WindowText(m_hwnd);
}

std::string Bkfr::ControlText(int id) const
{
    return WindowText(::GetDlgItem(m_hwnd, id));
}

bool Bkfr::ControlEnabled(int id) const
{
    return ::IsWindowEnabled(::GetDlgItem(m_hwnd, id)) != FALSE;
}

int Bkfr::MeterPos(int id) const
{
    return static_cast<int>(::SendMessageA(::GetDlgItem(m_hwnd, id), PBM_GETPOS, 0, 0));
}

void Bkfr::Command(UINT id) const
{
    Post(WM_COMMAND, id, 0);
}

bool Bkfr::Minimize() const
{
    // Under Wine a window shown moments ago, while the virtual desktop is
    // still busy with another window's end, can lose its first minimize:
    // like a user, the driver clicks again when nothing happened.
    for (int attempt = 0; attempt < 3; ++attempt) {
        SysCommand(SC_MINIMIZE);
        if (WaitUntil([this] { return ::IsIconic(m_hwnd) != FALSE; }, 2000))
            return true;
    }
    return false;
}

void Bkfr::SysCommand(UINT sc) const
{
    Post(WM_SYSCOMMAND, sc, 0);
}

void Bkfr::Post(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    ::PostMessageA(m_hwnd, msg, wParam, lParam);
}

void Bkfr::PressKey(UINT vk) const
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    HWND target = m_hwnd;
    if (::GetGUIThreadInfo(::GetWindowThreadProcessId(m_hwnd, nullptr), &info) && info.hwndFocus != nullptr)
        target = info.hwndFocus;
    ::PostMessageA(target, WM_KEYDOWN, vk, 1);
    ::PostMessageA(target, WM_KEYUP, vk, 0xC0000001);
}

bool Bkfr::WaitForNextSecond() const
{
    // The uptime line shows whole seconds; it changes within a little more
    // than a second of refreshes.
    const std::string before = ControlText(IDC_UPTIME_LINE);
    return WaitUntil([&] { return ControlText(IDC_UPTIME_LINE) != before; }, 3000);
}

bool Bkfr::WaitForExit(DWORD timeoutMs)
{
    return ::WaitForSingleObject(m_pi.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

bool Bkfr::Running() const
{
    return ::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD Bkfr::ExitCode() const
{
    DWORD code = 0;
    ::GetExitCodeProcess(m_pi.hProcess, &code);
    return code;
}

HWND Bkfr::FindMessageBox() const
{
    for (HWND hwnd : ProcessWindows(m_pi.dwProcessId, "#32770")) {
        if (hwnd != m_hwnd && ::GetDlgItem(hwnd, 0xFFFF) != nullptr && ::IsWindowVisible(hwnd))
            return hwnd;
    }
    return nullptr;
}

HWND Bkfr::WaitForDialog(const std::function<bool(HWND)>& accept) const
{
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND hwnd : ProcessWindows(m_pi.dwProcessId, "#32770")) {
            if (hwnd != m_hwnd && ::IsWindowVisible(hwnd) && accept(hwnd)) {
                found = hwnd;
                return true;
            }
        }
        return false;
    });
    return found;
}

int VisibleTaskbarButtons()
{
    int count = 0;
    HWND tray = ::FindWindowA("Shell_TrayWnd", nullptr);
    for (HWND child = ::GetWindow(tray, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char name[32] = "";
        ::GetClassNameA(child, name, sizeof name);
        if (lstrcmpiA(name, "Button") == 0 && ::IsWindowVisible(child))
            ++count;
    }
    return count;
}

DWORD RunToEnd(const ProgramDir& dir, DWORD timeoutMs)
{
    Bkfr second(dir);
    if (!second.WaitForExit(timeoutMs))
        return STILL_ACTIVE;
    return second.ExitCode();
}

LauncherRun RunLauncher(const ProgramDir& dir, const std::string& arguments)
{
    return RunLauncher(Wide(dir.File("helper.exe")), Wide(arguments));
}

LauncherRun RunLauncher(const std::wstring& helperPath, const std::wstring& arguments)
{
    LauncherRun run;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::wstring commandLine = L"\"" + helperPath + L"\"" + arguments;
    if (!::CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, Wide(ScratchDir()).c_str(),
                          &si, &pi))
        return run;
    WaitUntil([&] {
        for (HWND box : ProcessWindows(pi.dwProcessId, "#32770")) {
            if (::IsWindowVisible(box) && ::GetDlgItem(box, 0xFFFF) != nullptr) {
                run.text = MessageBoxText(box);
                run.caption = WindowText(box);
                ClickOk(box);
                return true;
            }
        }
        return ::WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0;
    });
    if (::WaitForSingleObject(pi.hProcess, 10000) == WAIT_OBJECT_0)
        ::GetExitCodeProcess(pi.hProcess, &run.exitCode);
    else
        ::TerminateProcess(pi.hProcess, 1);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return run;
}

FakeMemory::FakeMemory() : m_path(MeminfoPath())
{
    if (!m_path.empty())
        m_original = ReadWholeFile(m_path);
    if (m_original.empty())
        m_path.clear();
    const char* total = std::getenv("BRISKLET_TOTALRAM");
    if (total != nullptr)
        m_totalPath = total;
}

FakeMemory::~FakeMemory()
{
    if (!m_path.empty())
        WriteWholeFile(m_path, m_original);
    if (!m_totalPath.empty())
        WriteWholeFile(m_totalPath, "");
}

void FakeMemory::SetTotalKb(unsigned long long totalKb) const
{
    WriteWholeFile(m_totalPath, std::to_string(totalKb));
}

void FakeMemory::SetFreeKb(unsigned long long freeKb, unsigned long long swapTotalKb,
                           unsigned long long swapFreeKb) const
{
    // The free figure is MemFree + Buffers + Cached (or MemAvailable);
    // every one of them is set so that both readings agree.
    std::istringstream in(m_original);
    std::ostringstream out;
    std::string line;
    while (std::getline(in, line)) {
        const std::string key = line.substr(0, line.find(':'));
        unsigned long long value = 0;
        bool replace = true;
        if (key == "MemFree" || key == "MemAvailable")
            value = freeKb;
        else if (key == "Buffers" || key == "Cached" || key == "SwapCached")
            value = 0;
        else if (key == "SwapTotal")
            value = swapTotalKb;
        else if (key == "SwapFree")
            value = swapFreeKb;
        else
            replace = false;
        if (replace)
            out << key << ":" << std::string(15 - std::min<size_t>(key.size() + 1, 14), ' ') << value << " kB\n";
        else
            out << line << "\n";
    }
    WriteWholeFile(m_path, out.str());
}

namespace {

// Wine starts the virtual desktop with the first window, and a window
// shown while the desktop is still settling misses its first minimize or
// restore. One program started and ended before the tests settles it.
class DesktopWarmUp : public ::testing::Environment {
public:
    void SetUp() override
    {
        ProgramDir dir("warm-up");
        Bkfr app(dir);
        if (app.WaitForWindow())
            ::Sleep(2000);
    }
};

const ::testing::Environment* const g_warmUp = ::testing::AddGlobalTestEnvironment(new DesktopWarmUp);

}  // namespace

}  // namespace e2e
