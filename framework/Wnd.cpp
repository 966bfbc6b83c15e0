#include "Wnd.h"

namespace {

// The window property that links a window to its CWnd object.
const char kObjectProperty[] = "AfxWndObject";

}  // namespace

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return static_cast<CWnd*>(::GetPropA(hWnd, kObjectProperty));
}

void CWnd::AttachPermanent(HWND hWnd)
{
    m_hWnd = hWnd;
    ::SetPropA(hWnd, kObjectProperty, this);
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (hWnd == nullptr || FromHandlePermanent(hWnd) != nullptr)
        return FALSE;
    AttachPermanent(hWnd);
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc)));
    return TRUE;
}

void CWnd::SetWindowTextIfChanged(HWND hWnd, const char* text)
{
    const int length = lstrlenA(text);
    if (::GetWindowTextLengthA(hWnd) == length) {
        char shown[256];
        if (length < static_cast<int>(sizeof shown)) {
            ::GetWindowTextA(hWnd, shown, sizeof shown);
            if (lstrcmpA(shown, text) == 0)
                return;
        }
    }
    ::SetWindowTextA(hWnd, text);
}

void CWnd::BindDlgItem(UINT nID, const CWnd* pParent)
{
    HWND hWnd = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    if (GetMessageMap() == nullptr || !SubclassWindow(hWnd))
        Attach(hWnd);
}

void CWnd::Detach()
{
    if (m_pfnSuper != nullptr)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    ::RemovePropA(m_hWnd, kObjectProperty);
    m_pfnSuper = nullptr;
    m_hWnd = nullptr;
}

LRESULT CWnd::Default()
{
    return ::CallWindowProcA(m_pfnSuper, m_hWnd, m_current.message, m_current.wParam, m_current.lParam);
}

const CMessageEntry* CWnd::FindEntry(UINT message, WPARAM wParam) const
{
    for (const CMessageMap* map = GetMessageMap(); map != nullptr; map = map->base) {
        for (std::size_t i = 0; i < map->count; ++i) {
            const CMessageEntry& e = map->entries[i];
            if (e.message != message)
                continue;
            if (message != WM_COMMAND || (e.id == LOWORD(wParam) && e.code == HIWORD(wParam)))
                return &e;
        }
    }
    return nullptr;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Handlers may send messages to their own window, so the message being
    // handled is kept per call and restored afterwards.
    const CurrentMessage saved = m_current;
    m_current = {message, wParam, lParam};
    LRESULT result = 0;
    try {
        const CMessageEntry* entry = FindEntry(message, wParam);
        result = entry != nullptr ? entry->thunk(*this, wParam, lParam) : Default();
    } catch (...) {
        // No exception may unwind through the window system; the message
        // then counts as handled with nothing done.
        result = 0;
    }
    m_current = saved;
    if (message == WM_NCDESTROY)
        Detach();
    return result;
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CWnd* wnd = FromHandlePermanent(hWnd);
    if (wnd == nullptr)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    return wnd->WindowProc(message, wParam, lParam);
}
