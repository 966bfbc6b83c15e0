#include "MeterCtrl.h"

#include <string>

#include "ui/GradientBands.h"

COffscreenDC::COffscreenDC(CDC* pDC) : m_pDC(pDC)
{
    ::GetClipBox(pDC->m_hDC, &m_rect);
    m_memDC.reset(new CMemDC(pDC->m_hDC, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top));
    if (!m_memDC->IsValid()) {
        m_memDC.reset();
        m_hDC = pDC->m_hDC;
        return;
    }
    m_hDC = m_memDC->m_hDC;
    ::SetWindowOrgEx(m_hDC, m_rect.left, m_rect.top, nullptr);
}

COffscreenDC::~COffscreenDC()
{
    if (m_memDC != nullptr)
        ::BitBlt(m_pDC->m_hDC, m_rect.left, m_rect.top, m_rect.right - m_rect.left, m_rect.bottom - m_rect.top,
                 m_hDC, m_rect.left, m_rect.top, SRCCOPY);
    // Either context belongs to someone else: the target to the caller,
    // the memory one to m_memDC.
    m_hDC = nullptr;
}

CMeterCtrl::CMeterCtrl() : m_clrBkgnd(::GetSysColor(COLOR_BTNFACE)) {}

BEGIN_MESSAGE_MAP(CMeterCtrl, CProgressCtrl)
    OnMessage<&CMeterCtrl::OnPaint>(WM_PAINT),
    OnMessage<&CMeterCtrl::OnEraseBkgnd>(WM_ERASEBKGND),
END_MESSAGE_MAP()

int CMeterCtrl::SetPos(int nPos)
{
    m_nPos = nPos;
    return CProgressCtrl::SetPos(nPos);
}

BOOL CMeterCtrl::OnEraseBkgnd(HDC)
{
    // The paint covers the whole control; erasing first would flicker.
    return TRUE;
}

void CMeterCtrl::OnPaint()
{
    CPaintDC dc(this);
    RECT rect;
    GetClientRect(&rect);
    PaintMeter(&dc, rect);
}

void CMeterCtrl::PaintMeter(CDC* pDC, const RECT& rect) const
{
    if (m_nPos < m_nLower || m_nPos > m_nUpper) {
        // Out of range: no bar and no text.
        pDC->FillSolidRect(rect, ::GetSysColor(COLOR_BTNFACE));
        return;
    }
    DrawGradient(pDC, rect, FilledWidth(m_nPos, m_nUpper, rect.right));
    if (m_bShowPercent) {
        const std::string text = MeterPercentText(m_nPos, m_nUpper);
        RECT textRect = rect;
        ::SetTextColor(pDC->m_hDC, m_clrText);
        ::SetBkMode(pDC->m_hDC, TRANSPARENT);
        ::DrawTextA(pDC->m_hDC, text.c_str(), -1, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

void CMeterCtrl::DrawGradient(CDC* pDC, const RECT& rect, int nFilledWidth) const
{
    COffscreenDC memDC(pDC);
    const GradientPlan plan = PlanGradient(m_clrStart, m_clrEnd, rect.right, nFilledWidth);
    for (const GradientBand& band : plan.bands) {
        // A band narrower than a pixel paints nothing.
        if (band.left == band.right)
            continue;
        const RECT area = {band.left, 0, band.right, rect.bottom + 1};
        memDC.FillSolidRect(area, band.colour);
    }
    if (plan.backgroundLeft >= 0) {
        const RECT area = {plan.backgroundLeft, 0, rect.right, rect.bottom};
        memDC.FillSolidRect(area, m_clrBkgnd);
    }
}
