// The setup program under Wine: a silent installation into Program Files,
// the installed program in another language and its launcher, the choice to
// start with Windows, and the two ways to uninstall (silent, keeping the
// settings; asked, removing them).
// The runner passes the setup program in BRISKLET_INSTALLER.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/e2e/Driver.h"
#include "tests/e2e/PeImports.h"

using namespace e2e;

namespace {

const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brisklet Free";
const char kLanguageKey[] = "Software\\Brisklet\\Language";
const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kProduct[] = "Brisklet Free";
const DWORD kSetupTimeoutMs = 120000;

std::string InstallerPath()
{
    const char* value = std::getenv("BRISKLET_INSTALLER");
    return value != nullptr ? value : "";
}

bool Windows64()
{
    if (sizeof(void*) == 8)
        return true;
    BOOL wow64 = FALSE;
    return ::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64;
}

// The view and the Program Files the setup program chooses for this system.
REGSAM InstalledView()
{
    return Windows64() ? KEY_WOW64_64KEY : KEY_WOW64_32KEY;
}

REGSAM OtherView()
{
    return Windows64() ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
}

std::string InstallDir()
{
    char value[MAX_PATH] = "";
    DWORD length = 0;
    if (Windows64())
        length = ::GetEnvironmentVariableA("ProgramW6432", value, sizeof value);
    if (length == 0 || length >= sizeof value)
        length = ::GetEnvironmentVariableA("ProgramFiles", value, sizeof value);
    if (length == 0 || length >= sizeof value)
        return std::string();
    return std::string(value) + "\\" + kProduct + "\\";
}

std::string CommonProgramsDir()
{
    char path[MAX_PATH] = "";
    if (FAILED(::SHGetFolderPathA(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, 0, path)))
        return std::string();
    return std::string(path) + "\\" + kProduct + "\\";
}

bool Exists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool AppendBytes(const std::string& path, const std::string& text)
{
    HANDLE file = ::CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    ::CloseHandle(file);
    return ok && written == text.size();
}

std::vector<std::string> FileNames(const std::string& pattern)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE find = ::FindFirstFileA(pattern.c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(found.cFileName);
    } while (::FindNextFileA(find, &found));
    ::FindClose(find);
    return names;
}

unsigned long long TreeBytes(const std::string& dir)
{
    unsigned long long total = 0;
    WIN32_FIND_DATAA found;
    HANDLE find = ::FindFirstFileA((dir + "*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return 0;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            total += TreeBytes(dir + name + "\\");
        else
            total += (static_cast<unsigned long long>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    } while (::FindNextFileA(find, &found));
    ::FindClose(find);
    return total;
}

// The machine field of a program's PE header, or 0.
WORD PeMachine(const std::string& path)
{
    const std::string bytes = ReadWholeFile(path);
    pe::Image image;
    std::string error;
    return pe::ReadImports(std::vector<unsigned char>(bytes.begin(), bytes.end()), image, error) ? image.machine : 0;
}

std::optional<std::string> RegString(REGSAM view, const char* key, const char* name)
{
    HKEY hkey = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ | view, &hkey) != ERROR_SUCCESS)
        return std::nullopt;
    char data[1024] = "";
    DWORD size = sizeof data - 1;
    DWORD type = 0;
    const LONG result = ::RegQueryValueExA(hkey, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    ::RegCloseKey(hkey);
    if (result != ERROR_SUCCESS || type != REG_SZ)
        return std::nullopt;
    data[size < sizeof data ? size : sizeof data - 1] = '\0';
    return std::string(data);
}

std::optional<DWORD> RegDword(REGSAM view, const char* key, const char* name)
{
    HKEY hkey = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ | view, &hkey) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD data = 0;
    DWORD size = sizeof data;
    DWORD type = 0;
    const LONG result = ::RegQueryValueExA(hkey, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    ::RegCloseKey(hkey);
    if (result != ERROR_SUCCESS || type != REG_DWORD)
        return std::nullopt;
    return data;
}

bool SetRegString(REGSAM view, const char* key, const char* name, const std::string& value)
{
    HKEY hkey = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, &hkey, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG result = ::RegSetValueExA(hkey, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                         static_cast<DWORD>(value.size() + 1));
    ::RegCloseKey(hkey);
    return result == ERROR_SUCCESS;
}

void DeleteRegValue(REGSAM view, const char* key, const char* name)
{
    HKEY hkey = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_SET_VALUE | view, &hkey) != ERROR_SUCCESS)
        return;
    ::RegDeleteValueA(hkey, name);
    ::RegCloseKey(hkey);
}

bool KeyExists(REGSAM view, const char* key)
{
    HKEY hkey = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ | view, &hkey) != ERROR_SUCCESS)
        return false;
    ::RegCloseKey(hkey);
    return true;
}

// The version resource of a program: its fixed numbers and its strings.
class VersionInfo {
public:
    explicit VersionInfo(const std::string& path)
    {
        DWORD handle = 0;
        const DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &handle);
        if (size == 0)
            return;
        m_data.resize(size);
        if (!::GetFileVersionInfoA(path.c_str(), 0, size, m_data.data())) {
            m_data.clear();
            return;
        }
        void* value = nullptr;
        UINT length = 0;
        if (::VerQueryValueA(m_data.data(), "\\", &value, &length) && length >= sizeof m_fixed)
            m_fixed = *static_cast<const VS_FIXEDFILEINFO*>(value);
        // The string table named by the first translation.
        if (::VerQueryValueA(m_data.data(), "\\VarFileInfo\\Translation", &value, &length) && length >= 4) {
            const WORD* pair = static_cast<const WORD*>(value);
            char block[32];
            std::snprintf(block, sizeof block, "%04X%04X", pair[0], pair[1]);
            m_block = block;
        }
    }

    bool Found() const { return m_fixed.dwSignature == VS_FFI_SIGNATURE && !m_block.empty(); }
    const VS_FIXEDFILEINFO& Fixed() const { return m_fixed; }

    std::string String(const char* name) const
    {
        const std::string query = "\\StringFileInfo\\" + m_block + "\\" + name;
        void* value = nullptr;
        UINT length = 0;
        if (m_block.empty() || !::VerQueryValueA(m_data.data(), query.c_str(), &value, &length) || length == 0)
            return std::string();
        return static_cast<const char*>(value);
    }

private:
    std::vector<char> m_data;
    VS_FIXEDFILEINFO m_fixed{};
    std::string m_block;
};

std::string FourPartVersion(DWORD ms, DWORD ls)
{
    return std::to_string(HIWORD(ms)) + "." + std::to_string(LOWORD(ms)) + "." + std::to_string(HIWORD(ls)) + "." +
           std::to_string(LOWORD(ls));
}

std::string ShortcutTarget(const std::string& lnkPath)
{
    std::string target;
    IShellLinkA* link = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                  reinterpret_cast<void**>(&link))))
        return target;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t widePath[MAX_PATH];
        char path[MAX_PATH] = "";
        if (::MultiByteToWideChar(CP_ACP, 0, lnkPath.c_str(), -1, widePath, MAX_PATH) > 0 &&
            SUCCEEDED(file->Load(widePath, STGM_READ)) &&
            SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)))
            target = path;
        file->Release();
    }
    link->Release();
    return target;
}

// Starts a command line; with wait, returns its exit code (STILL_ACTIVE
// when it did not end in time).
DWORD RunProgram(const std::string& commandLine, bool wait)
{
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::string line = commandLine;
    if (!::CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return ::GetLastError();
    DWORD code = 0;
    if (wait && ::WaitForSingleObject(pi.hProcess, kSetupTimeoutMs) != WAIT_OBJECT_0)
        code = STILL_ACTIVE;
    else if (wait)
        ::GetExitCodeProcess(pi.hProcess, &code);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return code;
}

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

// An uninstaller copies itself away and returns at once; it is done when
// the Uninstall key, which it removes last, is gone.
bool WaitForUninstall()
{
    return WaitUntil([] { return !KeyExists(InstalledView(), kUninstallKey); }, kSetupTimeoutMs);
}

// No installation and no kept settings, before a test and after it: the
// uninstaller first, then whatever a faulty one or a failed run left.
void RemoveInstallation()
{
    const std::string dir = InstallDir();
    if (Exists(dir + "Uninstall.exe")) {
        RunProgram(Quoted(dir + "Uninstall.exe") + " /S", true);
        WaitForUninstall();
        WaitUntil([&] { return !Exists(dir + "Uninstall.exe"); });
    }
    RemoveTree(dir);
    if (!CommonProgramsDir().empty())
        RemoveTree(CommonProgramsDir());
    for (REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
        ::RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kUninstallKey, view, 0);
        DeleteRegValue(view, kRunKey, kProduct);
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kLanguageKey, 0, KEY_ALL_ACCESS | view, &key) == ERROR_SUCCESS) {
            char value[MAX_PATH] = "";
            DWORD size = sizeof value - 1;
            // Only a value that names an installation of ours.
            if (::RegQueryValueExA(key, "InstallDir", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) ==
                    ERROR_SUCCESS &&
                std::string(value, strnlen(value, size)) == dir + "lang\\")
                ::RegDeleteValueA(key, "InstallDir");
            ::RegCloseKey(key);
        }
    }
}

// A visible top-level window of any process.
HWND FindTopWindow(const char* className, const std::function<bool(HWND)>& accept)
{
    for (HWND hwnd : ProcessWindows(0, className)) {
        if (::IsWindowVisible(hwnd) && accept(hwnd))
            return hwnd;
    }
    return nullptr;
}

bool EndsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

class Installer : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (InstallerPath().empty())
            GTEST_SKIP() << "BRISKLET_INSTALLER is not set: the setup program was not built, this run "
                            "leaves it to the other build's run, or this host cannot run it (a 32-bit program)";
        ASSERT_FALSE(InstallDir().empty());
        ::CoInitialize(nullptr);
        RemoveInstallation();
        ASSERT_FALSE(Exists(InstallDir())) << "an earlier installation is left in " << InstallDir();
    }

    void TearDown() override
    {
        if (InstallerPath().empty())
            return;
        RemoveInstallation();
        ::CoUninitialize();
    }

    static void InstallSilently()
    {
        ASSERT_EQ(0u, RunProgram(Quoted(InstallerPath()) + " /S", true));
        ASSERT_TRUE(Exists(InstallDir() + "Uninstall.exe"));
    }
};

// Everything a silent installation leaves: files, registry, shortcuts.
void CheckInstallation(const std::string& otherViewBefore)
{
    const std::string dir = InstallDir();
    const REGSAM view = InstalledView();

    // The build that fits the system, both programs.
    const WORD machine = Windows64() ? IMAGE_FILE_MACHINE_AMD64 : IMAGE_FILE_MACHINE_I386;
    for (const char* program : {"bkfr.exe", "helper.exe"})
        EXPECT_EQ(machine, PeMachine(dir + program)) << program;

    // The documents and every language file, as shipped.
    for (const char* doc : {"bkfr.htm", "bkfr.png", "readme.txt"}) {
        const std::string shipped = ReadWholeFile(SourceDir() + "docs\\" + doc);
        ASSERT_FALSE(shipped.empty()) << doc;
        EXPECT_TRUE(shipped == ReadWholeFile(dir + doc)) << doc;
    }
    const std::vector<std::string> languages = FileNames(SourceDir() + "lang\\*.ini");
    ASSERT_FALSE(languages.empty());
    EXPECT_EQ(languages.size(), FileNames(dir + "lang\\*.ini").size());
    for (const std::string& name : languages)
        EXPECT_TRUE(ReadWholeFile(SourceDir() + "lang\\" + name) == ReadWholeFile(dir + "lang\\" + name)) << name;

    // The settings file, there for every user to write.
    EXPECT_EQ("[Settings]", ReadWholeFile(dir + "bkfr.ini").substr(0, 10));

    // The language folder, with its final backslash, in the view of the
    // installed build only.
    EXPECT_EQ(dir + "lang\\", RegString(view, kLanguageKey, "InstallDir").value_or("<missing>"));
    EXPECT_EQ(otherViewBefore, RegString(OtherView(), kLanguageKey, "InstallDir").value_or("<missing>"));
    EXPECT_FALSE(KeyExists(OtherView(), kUninstallKey));

    // The entry in the list of installed programs.
    const std::string uninstaller = Quoted(dir + "Uninstall.exe");
    struct StringValue {
        const char* name;
        std::string expected;
    };
    const StringValue values[] = {
        {"DisplayName", kProduct},
        {"UninstallString", uninstaller},
        {"QuietUninstallString", uninstaller + " /S"},
        {"InstallLocation", dir.substr(0, dir.size() - 1)},
        {"DisplayIcon", dir + "bkfr.exe"},
    };
    for (const StringValue& value : values)
        EXPECT_EQ(value.expected, RegString(view, kUninstallKey, value.name).value_or("<missing>")) << value.name;
    for (const char* flag : {"NoModify", "NoRepair"})
        EXPECT_EQ(1u, RegDword(view, kUninstallKey, flag).value_or(0)) << flag;
    const unsigned long long sizeKb = TreeBytes(dir) / 1024;
    const unsigned long long estimated = RegDword(view, kUninstallKey, "EstimatedSize").value_or(0);
    EXPECT_TRUE(estimated * 10 >= sizeKb * 9 && estimated * 10 <= sizeKb * 11) << estimated << " KB for " << sizeKb;

    // Both programs carry the version and the names the entry shows.
    const std::string displayVersion = RegString(view, kUninstallKey, "DisplayVersion").value_or("<missing>");
    const std::string publisher = RegString(view, kUninstallKey, "Publisher").value_or("<missing>");
    std::vector<std::string> descriptions;
    for (const char* program : {"bkfr.exe", "helper.exe"}) {
        SCOPED_TRACE(program);
        const VersionInfo version(dir + program);
        ASSERT_TRUE(version.Found());
        const VS_FIXEDFILEINFO& fixed = version.Fixed();
        EXPECT_EQ(displayVersion, version.String("ProductVersion"));
        const std::string productVersion = FourPartVersion(fixed.dwProductVersionMS, fixed.dwProductVersionLS);
        EXPECT_EQ(0u, productVersion.rfind(displayVersion + ".", 0)) << productVersion;
        EXPECT_EQ(FourPartVersion(fixed.dwFileVersionMS, fixed.dwFileVersionLS), version.String("FileVersion"));
        EXPECT_EQ(kProduct, version.String("ProductName"));
        EXPECT_EQ(publisher, version.String("CompanyName"));
        EXPECT_EQ(program, version.String("OriginalFilename"));
        EXPECT_NE(std::string::npos, version.String("LegalCopyright").find(publisher));
        descriptions.push_back(version.String("FileDescription"));
        EXPECT_FALSE(descriptions.back().empty());
    }
    EXPECT_NE(descriptions[0], descriptions[1]);

    // The Start menu: the program, its documentation and the uninstaller.
    const std::string menu = CommonProgramsDir();
    ASSERT_FALSE(menu.empty());
    EXPECT_EQ(3u, FileNames(menu + "*.lnk").size());
    const struct {
        const char* link;
        const char* target;
    } shortcuts[] = {
        {"Brisklet Free.lnk", "bkfr.exe"},
        {"Documentation.lnk", "bkfr.htm"},
        {"Uninstall Brisklet Free.lnk", "Uninstall.exe"},
    };
    for (const auto& shortcut : shortcuts)
        EXPECT_EQ(dir + shortcut.target, ShortcutTarget(menu + shortcut.link)) << shortcut.link;
}

// The installed program in the language the settings name, read from the
// installed language files.
void CheckLanguage(const Bkfr& app, const std::string& languageDir, const std::string& languageFile)
{
    const std::string english = languageDir + "english.ini";
    const struct {
        int id;
        const char* key;
    } captions[] = {
        {IDOK, "ExitBtn_Text"},
        {IDC_OPTIMIZE, "OptimizeBtn_Text"},
        {IDC_CPU_CAPTION, "CpuUsage_Text"},
        {IDC_MEMORYLOAD_CAPTION, "MemoryLoad_Text"},
    };
    for (const auto& caption : captions) {
        const std::string expected = LanguageText(languageFile, "free_main", caption.key);
        ASSERT_NE(LanguageText(english, "free_main", caption.key), expected) << caption.key << " is not translated";
        EXPECT_EQ(expected, app.ControlText(caption.id)) << caption.key;
    }

    // The statistics lines: label first, then the figures and the unit.
    const struct {
        int id;
        const char* label;
        const char* unit;
    } lines[] = {
        {IDC_FREERAM_LINE, "FreeRam_Text", "KB_Text"},
        {IDC_TOTALRAM_LINE, "TotalRam_Text", "MB_Text"},
        {IDC_PAGEFILE_LINE, "SwapFile_Text", "MB_Text"},
        {IDC_UPTIME_LINE, "Uptime_Text", nullptr},
    };
    ASSERT_TRUE(WaitUntil([&] { return !app.ControlText(IDC_UPTIME_LINE).empty(); }));
    for (const auto& line : lines) {
        const std::string text = app.ControlText(line.id);
        const std::string label = LanguageText(languageFile, "free_main", line.label);
        ASSERT_NE(LanguageText(english, "free_main", line.label), label) << line.label << " is not translated";
        EXPECT_EQ(0u, text.rfind(label + " ", 0)) << text;
        if (line.unit != nullptr) {
            EXPECT_TRUE(EndsWith(text, " " + LanguageText(languageFile, "free_global_strings", line.unit))) << text;
        }
    }
}

// Help > About names the version the installation registered.
void CheckAboutVersion(const Bkfr& app, const std::string& displayVersion)
{
    app.Command(ID_HELP_ABOUT);
    HWND about = app.WaitForDialog([](HWND hwnd) { return ::GetDlgItem(hwnd, IDC_ABOUT_VERSION) != nullptr; });
    ASSERT_NE(nullptr, about);
    EXPECT_EQ("Version " + displayVersion, WindowText(::GetDlgItem(about, IDC_ABOUT_VERSION)));
    ClickOk(about);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(about); }));
}

// Help > Readme opens the readme.txt of the installed folder: the launcher
// beside the program found its own folder, blank and all. A line only the
// installed copy has tells it from every other readme.txt.
void CheckReadmeOpensInstalledCopy(const Bkfr& app)
{
    const std::string marker = "installed copy " + std::to_string(::GetTickCount());
    ASSERT_TRUE(AppendBytes(InstallDir() + "readme.txt", "\r\n" + marker + "\r\n"));
    app.Command(ID_HELP_README);
    HWND notepad = nullptr;
    EXPECT_TRUE(WaitUntil(
        [&] {
            notepad = FindTopWindow("Notepad", [&](HWND hwnd) {
                HWND edit = ::FindWindowExA(hwnd, nullptr, "Edit", nullptr);
                return edit != nullptr && WindowText(edit).find(marker) != std::string::npos;
            });
            return notepad != nullptr;
        },
        20000))
        << "no editor shows the installed readme.txt";
    EXPECT_EQ(nullptr, app.FindMessageBox()) << MessageBoxText(app.FindMessageBox());
    if (notepad == nullptr)
        return;
    DWORD pid = 0;
    ::GetWindowThreadProcessId(notepad, &pid);
    HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, pid);
    ::PostMessageA(notepad, WM_CLOSE, 0, 0);
    if (process != nullptr) {
        EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(process, 10000));
        ::CloseHandle(process);
    }
}

// What an uninstallation leaves: at most the kept settings file.
void CheckUninstalled(bool settingsKept)
{
    const std::string dir = InstallDir();
    const REGSAM view = InstalledView();
    for (const char* file : {"bkfr.exe", "helper.exe", "bkfr.htm", "bkfr.png", "readme.txt", "Uninstall.exe",
                             "bkfr.ini.new", "bkfr.ini.old"})
        EXPECT_FALSE(Exists(dir + file)) << file;
    EXPECT_FALSE(Exists(dir + "lang"));
    EXPECT_EQ(settingsKept, Exists(dir + "bkfr.ini"));
    EXPECT_EQ(settingsKept, Exists(dir)) << "the folder stays only for the kept settings";
    EXPECT_FALSE(Exists(CommonProgramsDir()));
    EXPECT_FALSE(KeyExists(view, kUninstallKey));
    EXPECT_FALSE(RegString(view, kLanguageKey, "InstallDir").has_value());
    EXPECT_FALSE(KeyExists(view, kLanguageKey)) << "left empty";
    EXPECT_FALSE(KeyExists(view, "Software\\Brisklet")) << "left empty";
}

}  // namespace

TEST_F(Installer, SilentInstallationRunsInTheChosenLanguageAndSilentUninstallKeepsTheSettings)
{
    const std::string dir = InstallDir();
    const std::string otherViewBefore = RegString(OtherView(), kLanguageKey, "InstallDir").value_or("<missing>");
    ASSERT_NO_FATAL_FAILURE(InstallSilently());
    ASSERT_NO_FATAL_FAILURE(CheckInstallation(otherViewBefore));

    // A language other than English, by its number in the shipped index.
    const std::string languageDir = dir + "lang\\";
    const std::string languageFile = languageDir + LanguageText(languageDir + "language.ini", "languages", "0");
    ASSERT_NE(languageDir + "english.ini", languageFile);
    ASSERT_TRUE(::WritePrivateProfileStringA("Settings", "Language", "0", (dir + "bkfr.ini").c_str()));
    {
        Bkfr app(dir + "bkfr.exe");
        ASSERT_TRUE(app.WaitForWindow());
        ASSERT_NO_FATAL_FAILURE(CheckLanguage(app, languageDir, languageFile));
        ASSERT_NO_FATAL_FAILURE(
            CheckAboutVersion(app, RegString(InstalledView(), kUninstallKey, "DisplayVersion").value_or("")));
        ASSERT_NO_FATAL_FAILURE(CheckReadmeOpensInstalledCopy(app));
        app.Command(IDOK);
        ASSERT_TRUE(app.WaitForExit());
    }
    // The program saved its settings into the installed file.
    EXPECT_NE("<missing>", LanguageText(dir + "bkfr.ini", "Settings", "MemToFree"));
    ASSERT_TRUE(WriteWholeFile(dir + "bkfr.ini.new", "unfinished") && WriteWholeFile(dir + "bkfr.ini.old", "save"));

    EXPECT_EQ(0u, RunProgram(Quoted(dir + "Uninstall.exe") + " /S", true));
    ASSERT_TRUE(WaitForUninstall());
    CheckUninstalled(true);
    EXPECT_EQ("0", LanguageText(dir + "bkfr.ini", "Settings", "Language"));
}

TEST_F(Installer, AutostartSwitchStartsTheProgramInTheTrayWithWindowsUntilUninstalled)
{
    const std::string dir = InstallDir();
    // Another program's entry, which the uninstaller must leave alone.
    const char other[] = "Brisklet Test Other";
    ASSERT_TRUE(SetRegString(InstalledView(), kRunKey, other, "other.exe"));
    ASSERT_EQ(0u, RunProgram(Quoted(InstallerPath()) + " /S /AUTOSTART=1", true));
    EXPECT_EQ("\"" + dir + "bkfr.exe\" /tray", RegString(InstalledView(), kRunKey, kProduct).value_or("<missing>"));
    EXPECT_FALSE(RegString(OtherView(), kRunKey, kProduct).has_value());

    EXPECT_EQ(0u, RunProgram(Quoted(dir + "Uninstall.exe") + " /S", true));
    EXPECT_TRUE(WaitForUninstall());
    EXPECT_FALSE(RegString(InstalledView(), kRunKey, kProduct).has_value());
    EXPECT_EQ("other.exe", RegString(InstalledView(), kRunKey, other).value_or("<missing>"));
    DeleteRegValue(InstalledView(), kRunKey, other);
}

TEST_F(Installer, ReinstallationKeepsTheSettingsAndUninstallRemovesThemWhenAsked)
{
    const std::string dir = InstallDir();
    const std::string ini = dir + "bkfr.ini";
    // Settings kept from an earlier installation.
    ASSERT_TRUE(::CreateDirectoryA(dir.c_str(), nullptr));
    const std::string kept = "[Settings]\r\nLanguage=3\r\nMemToFree=77\r\n";
    {
        HANDLE file = ::CreateFileA(ini.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        DWORD written = 0;
        ::WriteFile(file, kept.data(), static_cast<DWORD>(kept.size()), &written, nullptr);
        ::CloseHandle(file);
    }
    // And the earlier installation's start with Windows, not chosen now.
    ASSERT_TRUE(SetRegString(InstalledView(), kRunKey, kProduct, Quoted(dir + "bkfr.exe") + " /tray"));
    ASSERT_NO_FATAL_FAILURE(InstallSilently());
    EXPECT_EQ(kept, ReadWholeFile(ini));
    EXPECT_FALSE(RegString(InstalledView(), kRunKey, kProduct).has_value());

    // Uninstalled by hand: confirm, answer No to keeping the settings, close.
    RunProgram(Quoted(dir + "Uninstall.exe"), false);
    const auto isUninstaller = [](HWND hwnd) {
        const std::string caption = WindowText(hwnd);
        return caption.rfind(kProduct, 0) == 0 && caption.find("Uninstall") != std::string::npos;
    };
    HWND wizard = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            wizard = FindTopWindow("#32770", isUninstaller);
            return wizard != nullptr && ::IsWindowEnabled(::GetDlgItem(wizard, IDOK));
        },
        30000));
    ClickButton(wizard, IDOK);
    HWND question = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            question = FindTopWindow(
                "#32770", [](HWND hwnd) { return MessageBoxText(hwnd).find("bkfr.ini") != std::string::npos; });
            return question != nullptr;
        },
        30000));
    ClickButton(question, IDNO);
    ASSERT_TRUE(WaitForUninstall());
    // The finished wizard waits for Close.
    ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(::GetDlgItem(wizard, IDOK)) != FALSE; }));
    ClickButton(wizard, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(wizard); }));
    CheckUninstalled(false);
}
