#include "IconSet.h"

#include "resources/resource.h"

// The resources in the order of WindowIcon.
CIconSet::Pairs CIconSet::MakePairs(HINSTANCE instance)
{
    return {{{instance, IDI_AUTOOFF},
             {instance, IDI_RED},
             {instance, IDI_YELLOW},
             {instance, IDI_GREEN},
             {instance, IDI_BUSY},
             {instance, IDI_APP}}};
}

CIconSet::CIconSet(HINSTANCE instance) : m_window(MakePairs(instance)), m_tray(MakePairs(instance)) {}

bool CIconSet::RefitWindow(UINT dpi)
{
    return Refit(m_window, dpi);
}

void CIconSet::RefitTray()
{
    Refit(m_tray, 0);
}

bool CIconSet::Refit(Pairs& pairs, UINT dpi)
{
    bool refit = false;
    for (CIconPair& pair : pairs)
        refit = pair.Refit(dpi, m_retired) || refit;
    return refit;
}

void CIconSet::ReleaseRetired()
{
    for (HICON icon : m_retired)
        ::DestroyIcon(icon);
    m_retired.clear();
}
