// Saving bkfr.ini where a plain replace would go wrong: a full disk, a
// folder that takes no new file, a file that is a link or has other names
// or is held by another program, names beside it that are not ours.
#include <gtest/gtest.h>

#include "framework/Handle.h"
#include "resources/resource.h"
#include "tests/e2e/Driver.h"

using namespace e2e;

namespace {

// Chooses Apply Changes and answers the box that follows: its text.
std::string Apply(const Bkfr& app)
{
    app.Command(ID_FILE_APPLYCHANGES);
    HWND box = nullptr;
    WaitUntil([&] { return (box = app.FindMessageBox()) != nullptr; });
    const std::string text = MessageBoxText(box);
    ClickOk(box);
    return text;
}

ULONGLONG FileIndex(const std::string& path)
{
    BY_HANDLE_FILE_INFORMATION info{};
    const CHandle file(::CreateFileW(Wide(path).c_str(), 0, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ::GetFileInformationByHandle(file.Get(), &info);
    return static_cast<ULONGLONG>(info.nFileIndexHigh) << 32 | info.nFileIndexLow;
}

// A new file, which goes when the handle does.
CHandle NewFile(const std::string& path)
{
    return CHandle(
        ::CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
}

}  // namespace

TEST(SettingsFile, WhereAReplaceWouldGoWrongTheFileIsWrittenInPlaceOrNotAtAll)
{
    const std::string disk = EnvDir("BRISKLET_FULL_DISK");
    const std::string head =
        "; kept\r\n\r\n[Settings]\r\nMemToFree=77\r\nTriggerLevel=0\r\nStayOnTop=0\r\n"
        "SysTrayIcon=0\r\nUseIncrementalRelease=0\r\nLeft=100\r\nTop=80\r\n";
    const std::string tail = "\r\n[Other]\r\nx=1\r\n";
    // Two pages of 4 KB exactly: a save that adds a line needs a third.
    const std::string ini = head + ";" + std::string(8192 - head.size() - 3 - tail.size(), 'x') + "\r\n" + tail;
    const std::string saved = head + "Language=4\r\n" + ini.substr(head.size());
    const ProgramDir held("held", false), oldFolder("old folder", false), linked("linked", false);
    const std::string plantedNew = ScratchDir() + "planted-new\\", plantedOld = ScratchDir() + "planted-old\\";
    // The folder of the program, the file its bkfr.ini leads to, whether
    // the disk is full, whether the folder takes a new file, what else is
    // there, and a name beside that reads `otherText` at the end.
    enum Beside { Nothing, Holder, OldFolder, HardLink };
    const struct {
        std::string dir, file;
        bool full, takesNewFile;
        Beside beside = Nothing;
        std::string other = {}, otherText = {};
    } cases[] = {
        {disk, disk + "bkfr.ini", true, true},
        {EnvDir("BRISKLET_SEALED_DISK"), disk + "bkfr.ini", true, false},
        {EnvDir("BRISKLET_SEALED_DISK"), disk + "bkfr.ini", false, false},
        {EnvDir("BRISKLET_LINK_DIR"), EnvDir("BRISKLET_LINK_TARGET_DIR") + "bkfr.ini", false, true},
        {held.Path(), held.IniPath(), false, true, Holder},
        {oldFolder.Path(), oldFolder.IniPath(), false, true, OldFolder},
        {linked.Path(), linked.IniPath(), false, true, HardLink, linked.File("other.ini"), saved},
        // The test runner plants these names as links to a file outside.
        {plantedNew, plantedNew + "bkfr.ini", false, true, Nothing, plantedNew + "bkfr.ini.new", "outside"},
        {plantedOld, plantedOld + "bkfr.ini", false, true, Nothing, plantedOld + "bkfr.ini.old", "outside"},
    };
    ClearLanguageDir();
    for (const auto& c : cases) {
        if (c.dir.empty())
            continue;
        SCOPED_TRACE(c.dir + (c.full ? " full" : ""));
        ASSERT_TRUE(WriteWholeFile(c.file, ini));
        const CHandle filler = c.full ? NewFile(disk + "filler") : CHandle();
        const std::string page(4096, 'f');
        for (DWORD n = 0; ::WriteFile(filler.Get(), page.data(), 4096, &n, nullptr) && n == 4096;) {
        }
        ASSERT_EQ(c.takesNewFile, NewFile(c.dir + "probe").IsValid());
        if (c.beside == OldFolder)
            ::CreateDirectoryW(Wide(c.dir + "bkfr.ini.old").c_str(), nullptr);
        if (c.beside == HardLink)
            ::CreateHardLinkW(Wide(c.other).c_str(), Wide(c.file).c_str(), nullptr);
        // Another program reads and writes the file, sharing both, not deleting.
        CHandle holder(c.beside != Holder
                           ? nullptr
                           : ::CreateFileW(Wide(c.file).c_str(), GENERIC_READ | GENERIC_WRITE,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
        const ULONGLONG identity = FileIndex(c.file);
        Bkfr app(c.dir + "bkfr.exe");
        ASSERT_TRUE(app.WaitForWindow());
        EXPECT_EQ(c.full ? "The settings could not be saved to this file:\n\n" + c.dir + "bkfr.ini" : "Changes Saved!",
                  Apply(app));
        app.Command(ID_FILE_EXIT);
        EXPECT_TRUE(app.WaitForExit());
        holder.Reset();
        EXPECT_TRUE(ReadWholeFile(c.file) == (c.full ? ini : saved));
        // The name still leads to the same file, and nothing of ours is
        // left beside it.
        EXPECT_EQ(identity, FileIndex(c.dir + "bkfr.ini"));
        EXPECT_EQ(c.other == c.dir + "bkfr.ini.new",
                  ::GetFileAttributesW(Wide(c.dir + "bkfr.ini.new").c_str()) != INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(c.otherText, ReadWholeFile(c.other));
    }
    if (disk.empty())
        GTEST_SKIP() << "the disks cannot be made here (needs root and a private mount namespace)";
}
