#include "Gdi.h"

#include "Wnd.h"

void CDC::FillSolidRect(const RECT& rect, COLORREF colour) const
{
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(m_hDC, &rect, brush);
    ::DeleteObject(brush);
}

CPaintDC::CPaintDC(const CWnd* pWnd) : m_hWnd(pWnd->m_hWnd)
{
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
}
