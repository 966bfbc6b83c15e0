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

// The headers and import table of a program of the build.
::testing::AssertionResult ReadProgram(const std::string& program, pe::Image& image)
{
    const std::string bytes = ReadWholeFile(BinDir() + program);
    std::string error;
    if (pe::ReadImports(std::vector<unsigned char>(bytes.begin(), bytes.end()), image, error))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << BinDir() + program << ": " << error;
}

bool SameName(const std::string& a, const char* b)
{
    return lstrcmpiA(a.c_str(), b) == 0;
}

bool Imports(const pe::ImportedModule& module, const char* function)
{
    return std::find(module.functions.begin(), module.functions.end(), function) != module.functions.end();
}

const char* const kSystemDlls[] = {"kernel32.dll", "user32.dll",  "gdi32.dll", "comctl32.dll",
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
    void SetUp() override { ASSERT_TRUE(ReadProgram(GetParam(), m_image)); }

    pe::Image m_image;
};

}  // namespace

TEST_P(ProgramImports, LoadOnlySystemDllsThatEveryWindowsHas)
{
    // A table read wrongly would hold nothing and pass the rest: both
    // programs ask kernel32 for their own path, with the wide function.
    bool sawKernel32 = false;
    for (const pe::ImportedModule& module : m_image.imports) {
        const bool system = std::any_of(std::begin(kSystemDlls), std::end(kSystemDlls),
                                        [&](const char* dll) { return SameName(module.name, dll); });
        EXPECT_TRUE(system) << module.name;
        if (SameName(module.name, "kernel32.dll"))
            sawKernel32 = Imports(module, "GetModuleFileNameW");
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
    pe::Image image;
    ASSERT_TRUE(ReadProgram("bkfr.exe", image));
    for (const pe::ImportedModule& module : image.imports)
        EXPECT_FALSE(SameName(module.name, "shell32.dll")) << "imported: shell32.dll would load at every start";
}

TEST(ProgramHeaders, TheThirtyTwoBitBkfrIsLargeAddressAware)
{
    pe::Image image;
    ASSERT_TRUE(ReadProgram("bkfr.exe", image));
    // The 64-bit one has the whole address space anyway; the 32-bit one
    // needs the flag to see the memory figures between 2 and 4 GB.
    if (!image.pe32Plus) {
        EXPECT_NE(0, image.characteristics & pe::kLargeAddressAware);
    }
}
