// The notification-icon record in its first form, which every Windows
// shell understands: 88 bytes in a 32-bit program, with a 64-byte tip.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "ui/TrayTip.h"

struct NotifyIconRecord {
    DWORD cbSize;
    HWND hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    HICON hIcon;
    CHAR szTip[kMaxTipChars + 1];
};

static_assert(sizeof(NotifyIconRecord) == NOTIFYICONDATAA_V1_SIZE, "first form of the notification record");
#ifndef _WIN64
static_assert(sizeof(NotifyIconRecord) == 88, "88-byte notification record");
#endif

// The shell's entry point takes the larger record; the size field tells it
// which form it is given.
inline PNOTIFYICONDATAA AsShellRecord(NotifyIconRecord& record)
{
    return reinterpret_cast<PNOTIFYICONDATAA>(&record);
}
