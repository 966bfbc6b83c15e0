// Saving bkfr.ini where a plain replace would go wrong: a full disk, a
// folder that takes no new file, a file that is a link.
#include <gtest/gtest.h>

#include "framework/Handle.h"
#include "resources/resource.h"
#include "tests/e2e/Driver.h"

using namespace e2e;

namespace {

const char kNoMounts[] = "the disks cannot be made here (needs root and a private mount namespace)";

// Chooses Apply Changes and answers the box that follows: its text.
std::string Apply(const Bkfr& app)
{
    app.Command(ID_FILE_APPLYCHANGES);
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = app.FindMessageBox()) != nullptr; }))
        return "<no box>";
    const std::string text = MessageBoxText(box);
    ClickOk(box);
    return text;
}

ULONGLONG FileIndex(const std::string& path)
{
    HANDLE file = ::CreateFileW(Wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    BY_HANDLE_FILE_INFORMATION info{};
    ::GetFileInformationByHandle(file, &info);
    ::CloseHandle(file);
    return static_cast<ULONGLONG>(info.nFileIndexHigh) << 32 | info.nFileIndexLow;
}

bool TakesNewFile(const std::string& dir)
{
    return CHandle(::CreateFileW(Wide(dir + "probe").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_FLAG_DELETE_ON_CLOSE, nullptr))
        .IsValid();
}

// The program in dir, the settings file there holding ini.
void Prepare(const std::string& dir, const std::string& ini)
{
    ASSERT_TRUE(WriteWholeFile(dir + "bkfr.ini", ini));
    ASSERT_TRUE(::CopyFileW(Wide(BinDir() + "bkfr.exe").c_str(), Wide(dir + "bkfr.exe").c_str(), FALSE));
}

}  // namespace

TEST(SettingsFile, AFullDiskLeavesTheFileAsItWasOnBothRoutes)
{
    const std::string disk = EnvDir("BRISKLET_FULL_DISK");
    const std::string sealed = EnvDir("BRISKLET_SEALED_DISK");
    if (disk.empty())
        GTEST_SKIP() << kNoMounts;
    ClearLanguageDir();
    // Two pages of 4 KB exactly: a save that adds a line needs a third.
    std::string ini = "[Settings]\r\nStayOnTop=5\r\n;";
    ini += std::string(8192 - ini.size() - 2, 'x') + "\r\n";
    Prepare(disk, ini);
    // Filled to the last page by a file that goes when the test ends.
    const CHandle filler(::CreateFileW(Wide(disk + "filler").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    const std::string page(4096, 'f');
    for (DWORD written = 0; ::WriteFile(filler.Get(), page.data(), 4096, &written, nullptr) && written == 4096;) {
    }
    // Beside the one a new file can be made, but not filled; beside the
    // other none at all.
    ASSERT_FALSE(TakesNewFile(sealed));
    for (const std::string& dir : {disk, sealed}) {
        Bkfr app(dir + "bkfr.exe");
        ASSERT_TRUE(app.WaitForWindow());
        EXPECT_EQ("The settings could not be saved to this file:\n\n" + dir + "bkfr.ini", Apply(app));
        EXPECT_TRUE(ReadWholeFile(dir + "bkfr.ini") == ini) << dir;
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(Wide(dir + "bkfr.ini.new").c_str())) << dir;
    }
}

TEST(SettingsFile, AFolderThatTakesNoNewFileIsWrittenInPlace)
{
    const std::string disk = EnvDir("BRISKLET_FULL_DISK");
    const std::string sealed = EnvDir("BRISKLET_SEALED_DISK");
    if (sealed.empty())
        GTEST_SKIP() << kNoMounts;
    ClearLanguageDir();
    const std::string kept = "; kept\r\n\r\n[Settings]\r\nMemToFree=77\r\nTriggerLevel=0\r\nStayOnTop=0\r\n"
                             "SysTrayIcon=0\r\nUseIncrementalRelease=0\r\nLeft=100\r\nTop=80\r\n";
    Prepare(disk, kept + "\r\n[Other]\r\nx=1\r\n");
    ASSERT_FALSE(TakesNewFile(sealed));
    const ULONGLONG identity = FileIndex(sealed + "bkfr.ini");
    Bkfr app(sealed + "bkfr.exe");
    ASSERT_TRUE(app.WaitForWindow());
    EXPECT_EQ("Changes Saved!", Apply(app));
    EXPECT_EQ(kept + "Language=4\r\n\r\n[Other]\r\nx=1\r\n", ReadWholeFile(sealed + "bkfr.ini"));
    EXPECT_EQ(identity, FileIndex(sealed + "bkfr.ini"));
}

TEST(SettingsFile, ALinkStaysALinkAndItsTargetGetsTheValues)
{
    const std::string link = EnvDir("BRISKLET_LINK_DIR");
    const std::string target = EnvDir("BRISKLET_LINK_TARGET_DIR") + "bkfr.ini";
    if (link.empty())
        GTEST_SKIP() << "BRISKLET_LINK_DIR is not set: tests/run-wine-suites makes the link";
    ClearLanguageDir();
    Prepare(link, "[Settings]\r\nMemToFree=77\r\n");
    Bkfr app(link + "bkfr.exe");
    ASSERT_TRUE(app.WaitForWindow());
    EXPECT_EQ("Changes Saved!", Apply(app));
    // The name still leads to the target, which holds what was saved.
    EXPECT_EQ(FileIndex(target), FileIndex(link + "bkfr.ini"));
    EXPECT_EQ(0u, ReadWholeFile(target).find("[Settings]\r\nMemToFree=77\r\nLanguage=4\r\n"));
}
