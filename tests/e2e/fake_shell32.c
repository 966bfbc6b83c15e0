/* Stand-ins for SHELL32 that the tests load in its place: a shell whose
   notification-icon service is missing, one that refuses every icon, and
   one that takes every call and records it for the test to read. The .def
   files export these functions under the shell's names. */
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
static BOOL g_refusing;

BOOL WINAPI RecordNotifyIcon(DWORD message, void* data)
{
    if (g_refusing)
        return FALSE;
    g_lastMessage = message;
    memcpy(g_lastRecord, data, sizeof g_lastRecord);
    ++g_calls;
    return TRUE;
}

/* Whether every call is refused, as when no notification area exists. */
void WINAPI RefuseNotifyIcon(BOOL refusing)
{
    g_refusing = refusing;
}

/* The number of calls so far; the last call's message and record. */
LONG WINAPI RecordedNotifyIcon(DWORD* message, void* record)
{
    *message = g_lastMessage;
    memcpy(record, g_lastRecord, sizeof g_lastRecord);
    return g_calls;
}
