// Which Windows version the program runs on.
#pragma once

#include <windows.h>

class COsVersion {
public:
    // Asks the system for its version (first with the extended record,
    // then with the plain one) and sets the flag of the named version.
    // 0 when both queries fail; the flags are then left as they were.
    BOOL Detect();

    BOOL IsWin9xFamily() const { return m_bWin95 || m_bWin98 || m_bWinME; }
    // Every NT-family system, including those newer than the named ones.
    BOOL IsNtFamily() const { return m_dwPlatformId == VER_PLATFORM_WIN32_NT; }

    BYTE m_bWin95 = 0;
    BYTE m_bWin98 = 0;
    BYTE m_bWinME = 0;
    BYTE m_bWinNT = 0;
    BYTE m_bWin2000 = 0;
    BYTE m_bWinXP = 0;
    DWORD m_dwPlatformId = 0;
};
