#include "Driver.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "resources/resource.h"

namespace e2e {

namespace {

std::string EnvDir(const char* name)
{
    const char* value = std::getenv(name);
    std::string dir = value != nullptr ? value : "";
    if (!dir.empty() && dir.back() != '\\')
        dir += '\\';
    return dir;
}


bool WriteWholeFile(const std::string& path, const std::string& content)
{
    // Truncated in place: the file keeps its identity (a bound mount
    // follows the file, not its name).
    HANDLE file = ::CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    ::SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    ::SetEndOfFile(file);
    DWORD written = 0;
    const BOOL ok = ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    ::CloseHandle(file);
    return ok && written == content.size();
}


int g_dirCounter = 0;

}  // namespace

std::wstring Wide(const std::string& utf8)
{
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &wide[0], length);
    wide.resize(wide.size() - 1);
    return wide;
}

std::string Utf8(const std::wstring& wide)
{
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, &utf8[0], size, nullptr, nullptr);
    utf8.resize(utf8.size() - 1);
    return utf8;
}

void RemoveTree(const std::string& dir)
{
    WIN32_FIND_DATAW found;
    HANDLE find = ::FindFirstFileW(Wide(dir + "*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = Utf8(found.cFileName);
            if (name == "." || name == "..")
                continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(dir + name + "\\");
            } else {
                ::SetFileAttributesW(Wide(dir + name).c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileW(Wide(dir + name).c_str());
            }
        } while (::FindNextFileW(find, &found));
        ::FindClose(find);
    }
    ::RemoveDirectoryW(Wide(dir).c_str());
}

std::string ReadWholeFile(const std::string& path)
{
    HANDLE file = ::CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        content.append(buffer, read);
    ::CloseHandle(file);
    return content;
}

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

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (::GetTickCount() - start >= timeoutMs)
            return false;
        ::Sleep(5);
    }
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

std::string WindowText(HWND hwnd)
{
    const LRESULT length = ::SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    ::SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(wcslen(text.c_str()));
    return Utf8(text);
}

std::string LanguageText(const std::string& file, const char* section, const char* key)
{
    // The system's own reader gives the bytes; the file names its code page.
    char bytes[2048] = "";
    ::GetPrivateProfileStringA(section, key, "<missing>", bytes, sizeof bytes, file.c_str());
    const UINT codePage = ::GetPrivateProfileIntA("free_global_strings", "CodePage", CP_ACP, file.c_str());
    const int length = ::MultiByteToWideChar(codePage, 0, bytes, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    ::MultiByteToWideChar(codePage, 0, bytes, -1, &wide[0], length);
    wide.resize(wcslen(wide.c_str()));
    return Utf8(wide);
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

std::string MessageBoxText(HWND box)
{
    return WindowText(::GetDlgItem(box, 0xFFFF));
}

void ClickOk(HWND box)
{
    HWND ok = ::GetDlgItem(box, IDOK);
    if (ok == nullptr)
        ok = ::GetDlgItem(box, IDCANCEL);
    ::PostMessageA(ok, BM_CLICK, 0, 0);
}

namespace {

struct WindowSearch {
    DWORD pid;
    const char* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param)
{
    WindowSearch& s = *reinterpret_cast<WindowSearch*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    char name[64] = "";
    ::GetClassNameA(hwnd, name, sizeof name);
    if (owner == s.pid && lstrcmpiA(name, s.className) == 0)
        s.found.push_back(hwnd);
    return TRUE;
}

}  // namespace

std::vector<HWND> ProcessWindows(DWORD pid, const char* className)
{
    WindowSearch search{pid, className, {}};
    ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
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

void SetLanguageDir(const std::string& dir)
{
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Brisklet\\Language", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          &key, nullptr) != ERROR_SUCCESS)
        return;
    const std::wstring value = Wide(dir);
    ::RegSetValueExW(key, L"InstallDir", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                     static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(key);
}

void ClearLanguageDir()
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Brisklet\\Language", 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return;
    ::RegDeleteValueA(key, "InstallDir");
    ::RegCloseKey(key);
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
