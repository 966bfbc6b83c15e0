#include "Wnd.h"

#include "framework/Text.h"

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
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc)));
    return TRUE;
}

void CWnd::SetWindowText(const std::string& text) const
{
    ::SetWindowTextW(m_hWnd, Widen(text).c_str());
}

std::string CWnd::GetWindowText() const
{
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(m_hWnd)) + 1, L'\0');
    const int length = ::GetWindowTextW(m_hWnd, &text[0], static_cast<int>(text.size()));
    return Narrow(text.c_str(), length);
}

void CWnd::SetDlgItemText(int nID, const std::string& text) const
{
    ::SetDlgItemTextW(m_hWnd, nID, Widen(text).c_str());
}

int CWnd::MessageBox(const std::string& text, const std::string& caption, UINT type) const
{
    return ::MessageBoxW(m_hWnd, Widen(text).c_str(), Widen(caption).c_str(), type);
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
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    ::RemovePropA(m_hWnd, kObjectProperty);
    m_pfnSuper = nullptr;
    m_hWnd = nullptr;
}

LRESULT CWnd::DefaultResult()
{
    if (!m_current.defaultRan) {
        m_current.defaultAnswer =
            ::CallWindowProcW(m_pfnSuper, m_hWnd, m_current.message, m_current.wParam, m_current.lParam);
        m_current.defaultRan = true;
    }
    return m_current.defaultAnswer;
}

const CMessageEntry* CWnd::FindEntry(UINT message, WPARAM wParam) const
{
    for (const CMessageMap* map = GetMessageMap(); map != nullptr; map = map->base) {
        for (std::size_t i = 0; i < map->count; ++i) {
            const CMessageEntry& e = map->entries[i];
            if (e.registered != nullptr ? (*e.registered == 0 || *e.registered != message) : e.message != message)
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
    m_current = {message, wParam, lParam, false, 0};
    LRESULT result = 0;
    try {
        const CMessageEntry* entry = FindEntry(message, wParam);
        if (entry == nullptr) {
            result = DefaultResult();
        } else {
            if (entry->order == Default::Before)
                result = DefaultResult();
            const LRESULT answer = entry->thunk(*this, wParam, lParam);
            if (entry->order == Default::None)
                result = answer;
            else if (entry->order == Default::After)
                result = DefaultResult();
        }
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
        return ::DefWindowProcW(hWnd, message, wParam, lParam);
    return wnd->WindowProc(message, wParam, lParam);
}
