// The notification-icon record in its first form, which every Windows
// shell understands: wide where the shell has the wide entry (every NT
// system), ANSI (88 bytes in a 32-bit program) where it has only that one.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "ui/TrayTip.h"

template <typename Char>
struct NotifyIconRecordOf {
    DWORD cbSize;
    HWND hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    HICON hIcon;
    Char szTip[kMaxTipChars + 1];
};

using NotifyIconRecordW = NotifyIconRecordOf<WCHAR>;
using NotifyIconRecordA = NotifyIconRecordOf<CHAR>;

static_assert(sizeof(NotifyIconRecordW) == NOTIFYICONDATAW_V1_SIZE, "first form of the wide record");
static_assert(sizeof(NotifyIconRecordA) == NOTIFYICONDATAA_V1_SIZE, "first form of the ANSI record");
#ifndef _WIN64
static_assert(sizeof(NotifyIconRecordA) == 88, "88-byte notification record");
#endif
