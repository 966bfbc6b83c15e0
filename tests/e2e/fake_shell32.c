/* Stand-ins for SHELL32 that the tests load in its place: a shell whose
   notification-icon service is missing, one that refuses every icon, and
   one that answers as a shell does (at logon too, when told) and records
   every call for the test to read. The .def files export these functions under the shell's names. */
#include <windows.h>
#include <shellapi.h>
#include <string.h>

BOOL WINAPI FakeNotifyIcon(DWORD message, void* data)
{
    (void)message;
    (void)data;
    return FALSE;
}

/* The first (wide) form of the record: the calls the program makes. */
static DWORD g_lastMessage;
static BYTE g_lastRecord[NOTIFYICONDATAW_V1_SIZE];
static LONG g_calls;

/* The icons held, as a shell holds them: it refuses an add of one it
   holds, and a modify or delete of one it does not (Wine's
   dlls/shell32/tests/systray.c, which runs on Windows too). */
static struct {
    HWND hWnd;
    UINT uID;
} g_held[8];
static int g_heldCount;

/* A shell at logon: Shell_NotifyIcon answers only TRUE or FALSE
   (Microsoft's Shell_NotifyIcon page), and public reports tell of a shell
   that refuses or times out the first adds and announces no taskbar, since
   it was already there; a timed-out add may still be carried out. The next
   g_refusals adds report failure; with g_keepRefused the icon is held all
   the same. */
static LONG g_refusals;
static BOOL g_keepRefused;

BOOL WINAPI RecordNotifyIcon(DWORD message, void* data)
{
    const NOTIFYICONDATAW* icon = (const NOTIFYICONDATAW*)data;
    int held = g_heldCount - 1;
    while (held >= 0 && (g_held[held].hWnd != icon->hWnd || g_held[held].uID != icon->uID))
        --held;
    g_lastMessage = message;
    memcpy(g_lastRecord, data, sizeof g_lastRecord);
    ++g_calls;
    if (message == NIM_ADD && held < 0 && g_heldCount < 8) {
        const BOOL refused = g_refusals > 0;
        if (refused)
            --g_refusals;
        if (refused && !g_keepRefused)
            return FALSE;
        g_held[g_heldCount].hWnd = icon->hWnd;
        g_held[g_heldCount++].uID = icon->uID;
        return !refused;
    }
    if (message == NIM_DELETE && held >= 0)
        g_held[held] = g_held[--g_heldCount];
    return message != NIM_ADD && held >= 0;
}

/* Forgets every icon, as a shell that was started again. */
void WINAPI EmptyNotifyIcons(void)
{
    g_heldCount = 0;
}

/* The next `refusals` adds report failure; `keep`: the shell holds their
   icons all the same. */
void WINAPI RefuseNotifyIcons(LONG refusals, BOOL keep)
{
    g_refusals = refusals;
    g_keepRefused = keep;
}

/* The number of icons held. */
LONG WINAPI HeldNotifyIcons(void)
{
    return g_heldCount;
}

/* The number of calls so far; the last call's message and record. */
LONG WINAPI RecordedNotifyIcon(DWORD* message, void* record)
{
    *message = g_lastMessage;
    memcpy(record, g_lastRecord, sizeof g_lastRecord);
    return g_calls;
}
