// The programs' import tables, read from the built files: they load only
// system DLLs that every Windows from XP on has, import no function that
// XP lacks, and leave the functions that are looked up at run time to that
// lookup (a direct import would stop the program from starting where the
// function is missing).
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/e2e/Driver.h"
#include "tests/e2e/PeImports.h"

using namespace e2e;

// Every program of the build is compiled against the interfaces of XP.
static_assert(WINVER == 0x0501 && _WIN32_WINNT == 0x0501, "the programs target Windows XP");

namespace {

std::vector<unsigned char> ReadBinary(const std::string& path)
{
    std::vector<unsigned char> bytes;
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    unsigned char buffer[65536];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.insert(bytes.end(), buffer, buffer + read);
    ::CloseHandle(file);
    return bytes;
}

bool SameName(const std::string& a, const char* b)
{
    return lstrcmpiA(a.c_str(), b) == 0;
}

bool Imports(const pe::ImportedModule& module, const char* function)
{
    return std::find(module.functions.begin(), module.functions.end(), function) != module.functions.end();
}

const char* const kSystemDlls[] = {"kernel32.dll", "user32.dll",   "gdi32.dll", "comctl32.dll",
                                   "advapi32.dll", "shell32.dll", "msvcrt.dll"};

// Looked up with GetProcAddress, never imported.
const char* const kLookedUpAtRunTime[] = {"NtQuerySystemInformation", "Shell_NotifyIcon"};

// Functions of these DLLs that came after Windows XP (Vista or later, or
// only in the 64-bit XP); importing any of them stops the program from
// starting on XP.
const struct {
    const char* dll;
    const char* function;
} kLaterThanXp[] = {
    {"kernel32.dll", "GetTickCount64"},
    {"kernel32.dll", "GetSystemTimePreciseAsFileTime"},
    {"kernel32.dll", "InitializeSRWLock"},
    {"kernel32.dll", "AcquireSRWLockExclusive"},
    {"kernel32.dll", "AcquireSRWLockShared"},
    {"kernel32.dll", "ReleaseSRWLockExclusive"},
    {"kernel32.dll", "ReleaseSRWLockShared"},
    {"kernel32.dll", "InitializeConditionVariable"},
    {"kernel32.dll", "SleepConditionVariableCS"},
    {"kernel32.dll", "SleepConditionVariableSRW"},
    {"kernel32.dll", "WakeConditionVariable"},
    {"kernel32.dll", "WakeAllConditionVariable"},
    {"kernel32.dll", "InitOnceExecuteOnce"},
    {"kernel32.dll", "InitOnceBeginInitialize"},
    {"kernel32.dll", "InitOnceComplete"},
    {"kernel32.dll", "FlsAlloc"},
    {"kernel32.dll", "FlsFree"},
    {"kernel32.dll", "FlsGetValue"},
    {"kernel32.dll", "FlsSetValue"},
    {"kernel32.dll", "CreateSymbolicLinkA"},
    {"kernel32.dll", "CreateSymbolicLinkW"},
    {"kernel32.dll", "GetFinalPathNameByHandleA"},
    {"kernel32.dll", "GetFinalPathNameByHandleW"},
    {"kernel32.dll", "QueryFullProcessImageNameA"},
    {"kernel32.dll", "QueryFullProcessImageNameW"},
    {"kernel32.dll", "CreateEventExA"},
    {"kernel32.dll", "CreateEventExW"},
    {"kernel32.dll", "CreateMutexExA"},
    {"kernel32.dll", "CreateMutexExW"},
    {"kernel32.dll", "GetCurrentProcessorNumber"},
    {"kernel32.dll", "GetLocaleInfoEx"},
    {"kernel32.dll", "LCMapStringEx"},
    {"kernel32.dll", "CompareStringEx"},
    {"kernel32.dll", "GetFileInformationByHandleEx"},
    {"kernel32.dll", "SetFileInformationByHandle"},
    {"kernel32.dll", "CancelIoEx"},
    {"kernel32.dll", "GetErrorMode"},
    {"user32.dll", "SetProcessDPIAware"},
    {"user32.dll", "ChangeWindowMessageFilter"},
    {"user32.dll", "ChangeWindowMessageFilterEx"},
    {"user32.dll", "AddClipboardFormatListener"},
    {"user32.dll", "ShutdownBlockReasonCreate"},
    {"user32.dll", "GetDpiForWindow"},
    {"advapi32.dll", "RegGetValueA"},
    {"advapi32.dll", "RegDeleteTreeA"},
    {"shell32.dll", "SHGetKnownFolderPath"},
    {"shell32.dll", "Shell_NotifyIconGetRect"},
    {"comctl32.dll", "TaskDialog"},
    {"comctl32.dll", "TaskDialogIndirect"},
};

class ProgramImports : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        const std::vector<unsigned char> file = ReadBinary(BinDir() + GetParam());
        ASSERT_FALSE(file.empty()) << BinDir() + GetParam();
        std::string error;
        ASSERT_TRUE(pe::ReadImports(file, m_image, error)) << error;
    }

    pe::Image m_image;
};

}  // namespace

TEST_P(ProgramImports, LoadOnlySystemDllsThatEveryWindowsHas)
{
    // A table read wrongly would hold nothing and pass the rest: both
    // programs ask kernel32 for their own path.
    bool sawKernel32 = false;
    for (const pe::ImportedModule& module : m_image.imports) {
        const bool system = std::any_of(std::begin(kSystemDlls), std::end(kSystemDlls),
                                        [&](const char* dll) { return SameName(module.name, dll); });
        EXPECT_TRUE(system) << module.name;
        if (SameName(module.name, "kernel32.dll"))
            sawKernel32 = Imports(module, "GetModuleFileNameW") || Imports(module, "GetModuleFileNameA");
    }
    EXPECT_TRUE(sawKernel32);
    EXPECT_FALSE(m_image.delayImports) << "a delay-load table escapes this audit";
}

TEST_P(ProgramImports, LeaveTheRunTimeLookupsToRunTime)
{
    for (const pe::ImportedModule& module : m_image.imports) {
        for (const char* lookedUp : kLookedUpAtRunTime)
            EXPECT_FALSE(Imports(module, lookedUp)) << module.name << " " << lookedUp;
    }
}

TEST_P(ProgramImports, ImportNothingThatWindowsXpLacks)
{
    for (const pe::ImportedModule& module : m_image.imports) {
        for (const auto& later : kLaterThanXp) {
            if (SameName(module.name, later.dll)) {
                EXPECT_FALSE(Imports(module, later.function)) << module.name << " " << later.function;
            }
        }
    }
}

TEST_P(ProgramImports, AreOfTheBuildsWidth)
{
    EXPECT_EQ(sizeof(void*) == 8, m_image.pe32Plus);
    EXPECT_EQ(sizeof(void*) == 8 ? 0x8664 : 0x14C, m_image.machine);
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramImports, ::testing::Values("bkfr.exe", "helper.exe"));

TEST(ProgramImports, BkfrLoadsTheShellOnlyWhenTheTrayIconIsWanted)
{
    const std::vector<unsigned char> file = ReadBinary(BinDir() + "bkfr.exe");
    pe::Image image;
    std::string error;
    ASSERT_TRUE(pe::ReadImports(file, image, error)) << error;
    for (const pe::ImportedModule& module : image.imports)
        EXPECT_FALSE(SameName(module.name, "shell32.dll")) << "imported: shell32.dll would load at every start";
}

TEST(ProgramHeaders, TheThirtyTwoBitBkfrIsLargeAddressAware)
{
    const std::vector<unsigned char> file = ReadBinary(BinDir() + "bkfr.exe");
    pe::Image image;
    std::string error;
    ASSERT_TRUE(pe::ReadImports(file, image, error)) << error;
    // The 64-bit one has the whole address space anyway; the 32-bit one
    // needs the flag to see the memory figures between 2 and 4 GB.
    if (!image.pe32Plus) {
        EXPECT_NE(0, image.characteristics & pe::kLargeAddressAware);
    }
}

namespace {

void Put32(std::vector<unsigned char>& file, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        file[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

std::uint32_t Get32(const std::vector<unsigned char>& file, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(file[at + i]) << (8 * i);
    return value;
}

}  // namespace

TEST(ImportReader, RefusesDamagedCopiesOfBkfr)
{
    const std::vector<unsigned char> original = ReadBinary(BinDir() + "bkfr.exe");
    pe::Image image;
    std::string error;
    ASSERT_TRUE(pe::ReadImports(original, image, error)) << error;
    ASSERT_NE(0u, image.importTableOffset);
    const std::size_t peAt = Get32(original, 0x3C);
    const std::size_t descriptor = image.importTableOffset;
    const std::size_t importDirectory = peAt + 24 + (image.pe32Plus ? 112 : 96) + 8;

    const struct {
        const char* damage;
        void (*apply)(std::vector<unsigned char>& file, std::size_t peAt, std::size_t descriptor,
                      std::size_t importDirectory);
    } cases[] = {
        {"empty file", [](auto& f, auto, auto, auto) { f.clear(); }},
        {"no MZ", [](auto& f, auto, auto, auto) { f[0] = 'X'; }},
        {"PE header offset past the end", [](auto& f, auto, auto, auto) { Put32(f, 0x3C, 0xFFFFFFF0u); }},
        {"no PE signature", [](auto& f, auto pe, auto, auto) { f[pe] = 'X'; }},
        {"unknown optional header", [](auto& f, auto pe, auto, auto) { f[pe + 24] = 0x77; }},
        {"cut in the section table", [](auto& f, auto pe, auto, auto) { f.resize(pe + 24 + 240 + 20); }},
        {"import table outside the sections", [](auto& f, auto, auto, auto dir) { Put32(f, dir, 0x7FFFFFF0u); }},
        {"cut in the import table", [](auto& f, auto, auto d, auto) { f.resize(d + 10); }},
        {"module name past the end", [](auto& f, auto, auto d, auto) { Put32(f, d + 12, 0xFFFFFFF0u); }},
        {"function table past the end",
         [](auto& f, auto, auto d, auto) {
             Put32(f, d, 0xFFFFFFF0u);
             Put32(f, d + 16, 0xFFFFFFF0u);
         }},
        {"too many data directories",
         [](auto& f, auto pe, auto, auto) { Put32(f, pe + 24 + (f[pe + 25] == 0x02 ? 108 : 92), 0x10000u); }},
    };
    for (const auto& c : cases) {
        std::vector<unsigned char> copy = original;
        c.apply(copy, peAt, descriptor, importDirectory);
        error.clear();
        EXPECT_FALSE(pe::ReadImports(copy, image, error)) << c.damage;
        EXPECT_FALSE(error.empty()) << c.damage;
    }

    // Cut anywhere up to the end of the first descriptor, the file is
    // refused; cut later, it may or may not be, but is never read past.
    for (std::size_t length = 0; length < original.size(); length += length < descriptor + 20 ? 97 : 4099) {
        const std::vector<unsigned char> cut(original.begin(), original.begin() + length);
        const bool read = pe::ReadImports(cut, image, error);
        if (length < descriptor + 20) {
            EXPECT_FALSE(read) << "cut at " << length;
        }
    }
}
