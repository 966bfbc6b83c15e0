#include "OsVersion.h"

#include "measure/CpuLoad.h"

static_assert(sizeof(OSVERSIONINFOEXA) == 156, "extended version record");
static_assert(sizeof(OSVERSIONINFOA) == 148, "plain version record");

BOOL COsVersion::Detect()
{
    OSVERSIONINFOEXA info{};
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
    if (!::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info))) {
        info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
        if (!::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&info)))
            return 0;
    }
    m_bWin95 = m_bWin98 = m_bWinME = m_bWinNT = m_bWin2000 = m_bWinXP = 0;
    m_dwPlatformId = info.dwPlatformId;
    switch (ClassifyVersion(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion)) {
    case OsKind::Win95:
        m_bWin95 = 1;
        break;
    case OsKind::Win98:
        m_bWin98 = 1;
        break;
    case OsKind::WinME:
        m_bWinME = 1;
        break;
    case OsKind::WinNT:
        m_bWinNT = 1;
        break;
    case OsKind::Win2000:
        m_bWin2000 = 1;
        break;
    case OsKind::WinXP:
        m_bWinXP = 1;
        break;
    case OsKind::None:
        break;
    }
    return 1;
}
