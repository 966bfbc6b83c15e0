// A long session in a few minutes: thousands of refresh ticks, a hundred
// optimization runs, the dialogs and the popup menu opened and closed many
// times; the process must not accumulate kernel handles or memory (the
// GDI objects a paint makes are checked in-process, where they can be seen).
#include <gtest/gtest.h>

#include "tests/e2e/Driver.h"

#include <psapi.h>

#include <vector>

#include "resources/resource.h"

using namespace e2e;

namespace {

struct Usage {
    DWORD handles = 0;     // kernel handles
    SIZE_T committed = 0;  // private memory committed
};

// The kernel handles a process holds, from the system's handle list (Wine
// answers neither GetProcessHandleCount nor GetGuiResources for them).
DWORD KernelHandles(DWORD pid)
{
    struct Entry {
        ULONG ownerPid;
        BYTE objectType;
        BYTE flags;
        USHORT handle;
        PVOID object;
        ACCESS_MASK access;
    };
    typedef LONG(WINAPI * QueryFn)(ULONG, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<QueryFn>(
        reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleA("ntdll"), "NtQuerySystemInformation")));
    const ULONG kSystemHandleInformation = 16;
    std::vector<BYTE> buffer(1 << 20);
    for (int attempt = 0; attempt < 4; ++attempt) {
        ULONG needed = 0;
        if (query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed) == 0)
            break;
        buffer.assign(buffer.size() * 4, 0);
    }
    const ULONG count = *reinterpret_cast<const ULONG*>(buffer.data());
    const Entry* entries = reinterpret_cast<const Entry*>(buffer.data() + sizeof(ULONG_PTR));
    DWORD mine = 0;
    for (ULONG i = 0; i < count && (i + 1) * sizeof(Entry) + sizeof(ULONG_PTR) <= buffer.size(); ++i)
        mine += entries[i].ownerPid == pid ? 1 : 0;
    return mine;
}

Usage Measure(DWORD pid)
{
    Usage usage;
    usage.handles = KernelHandles(pid);
    HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (process == nullptr)
        return usage;
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (::GetProcessMemoryInfo(process, &counters, sizeof counters))
        usage.committed = counters.PagefileUsage;
    ::CloseHandle(process);
    return usage;
}

HWND WaitForOtherDialog(const Bkfr& app, const char* caption)
{
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND hwnd : ProcessWindows(app.ProcessId(), "#32770")) {
            if (hwnd != app.Window() && ::IsWindowVisible(hwnd) && WindowText(hwnd) == caption)
                found = hwnd;
        }
        return found != nullptr;
    });
    return found;
}

// One round of everything a long session does.
void Round(const Bkfr& app, int ticks, int runs, int dialogs)
{
    // Refresh ticks, each handled before the next is sent.
    for (int i = 0; i < ticks; ++i)
        ::SendMessageA(app.Window(), WM_TIMER, 1, 0);

    for (int i = 0; i < runs; ++i) {
        // Sent, so that the run has started when the call returns; its one
        // small block is written at once and the button comes back.
        ::SendMessageA(app.Window(), WM_COMMAND, IDC_OPTIMIZE, 0);
        ASSERT_TRUE(WaitUntil([&] { return app.ControlEnabled(IDC_OPTIMIZE) && app.Caption() == "Brisklet Free"; }));
    }

    for (int i = 0; i < dialogs; ++i) {
        app.Command(ID_FILE_SETTINGS);
        HWND settings = WaitForOtherDialog(app, "Settings");
        ASSERT_NE(nullptr, settings);
        ::PostMessageA(::GetDlgItem(settings, IDCANCEL), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(settings); }));

        app.Command(ID_HELP_ABOUT);
        HWND about = WaitForOtherDialog(app, "About");
        ASSERT_NE(nullptr, about);
        ::PostMessageA(::GetDlgItem(about, IDOK), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(about); }));

        app.Post(WM_CONTEXTMENU, 0, MAKELPARAM(20, 20));
        ASSERT_TRUE(WaitUntil([] { return ::FindWindowA("#32768", nullptr) != nullptr; }));
        app.PressKey(VK_ESCAPE);
        ASSERT_TRUE(WaitUntil([] {
            HWND menu = ::FindWindowA("#32768", nullptr);
            return menu == nullptr || !::IsWindowVisible(menu);
        }));
    }
}

}  // namespace

TEST(Soak, ALongSessionLeavesNoHandlesOrMemoryBehind)
{
    ClearLanguageDir();
    ProgramDir dir;
    // Half a megabyte free and one to free: every run starts and writes one
    // small block. Where the free memory cannot be set, no run starts.
    FakeMemory memory;
    const int runs = memory.Available() ? 20 : 0;
    if (memory.Available())
        memory.SetFreeKb(512, 1024 * 1024, 1024 * 1024);
    dir.WriteIni("[Settings]\r\nMemToFree=1\r\nTriggerLevel=0\r\nSysTrayIcon=1\r\n");
    Bkfr app(dir);
    ASSERT_TRUE(app.WaitForWindow());

    // A first round brings every lazily made resource into being.
    Round(app, 200, runs / 4, 3);
    ::Sleep(500);
    const Usage before = Measure(app.ProcessId());

    for (int round = 0; round < 5; ++round)
        Round(app, 1000, runs, 10);
    ::Sleep(500);
    const Usage after = Measure(app.ProcessId());

    printf("soak: handles %lu -> %lu, committed %lu KB -> %lu KB\n", before.handles, after.handles,
           static_cast<unsigned long>(before.committed >> 10), static_cast<unsigned long>(after.committed >> 10));
    // Every reading must have been answered, or the comparison says nothing.
    ASSERT_GT(before.handles, 0u);
    ASSERT_GT(before.committed, 0u);
    EXPECT_LE(after.handles, before.handles + 8);
    EXPECT_LE(after.committed, before.committed + (2u << 20));

    app.Command(ID_FILE_EXIT);
    EXPECT_TRUE(app.WaitForExit());
}
