#include "MeterCtrl.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "framework/Text.h"
#include "ui/GradientBands.h"

CMeterCtrl::CMeterCtrl() : m_clrBkgnd(::GetSysColor(COLOR_BTNFACE)) {}

// The map's rows one a line, as a table reads.
// clang-format off
BEGIN_MESSAGE_MAP(CMeterCtrl, CProgressCtrl)
    OnMessage<WM_PAINT, &CMeterCtrl::OnPaint, Default::None>(),
    OnMessage<WM_PRINTCLIENT, &CMeterCtrl::OnPrintClient, Default::None>(),
    OnMessage<WM_ERASEBKGND, &CMeterCtrl::OnEraseBkgnd, Default::None>(),
END_MESSAGE_MAP()
// clang-format on

void CMeterCtrl::SetLook(COLORREF start, COLORREF end, COLORREF text, bool showPercent)
{
    m_clrStart = start;
    m_clrEnd = end;
    m_clrText = text;
    m_bShowPercent = showPercent ? 1 : 0;
    if (m_hWnd != nullptr)
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

int CMeterCtrl::SetPos(int nPos)
{
    if (nPos == m_nPos)
        return m_nPos;
    m_nPos = nPos;
    const int previous = CProgressCtrl::SetPos(nPos);
    // The control repaints only the part of the bar that moved, or nothing
    // when it clamps a position outside its range; the percentage text and
    // the out-of-range face need the whole meter.
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
    return previous;
}

void CMeterCtrl::Show(int nPos, const std::string& text)
{
    if (text != m_strText) {
        m_strText = text;
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
    }
    SetPos(nPos);
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

void CMeterCtrl::OnPrintClient(HDC hDC)
{
    CDC dc;
    dc.m_hDC = hDC;
    RECT rect;
    GetClientRect(&rect);
    PaintMeter(&dc, rect);
}

void CMeterCtrl::OnSysColorChange()
{
    m_clrBkgnd = ::GetSysColor(COLOR_BTNFACE);
    m_gradient.reset();
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CMeterCtrl::OnDisplayChange()
{
    // Painted again on the new display, from a gradient built again for it.
    m_gradient.reset();
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CMeterCtrl::PaintMeter(CDC* pDC, const RECT& rect)
{
    if (m_nPos < m_nLower || m_nPos > m_nUpper) {
        // Out of range: no bar and no text.
        pDC->FillSolidRect(rect, ::GetSysColor(COLOR_BTNFACE));
        return;
    }
    DrawGradient(pDC, rect, FilledWidth(m_nPos, m_nUpper, rect.right));
    if (m_bShowPercent && !m_strText.empty()) {
        // In the window's font, so that the text grows with it on a screen
        // of more dots per inch.
        HWND parent = ::GetParent(m_hWnd);
        HFONT font = parent != nullptr ? reinterpret_cast<HFONT>(::SendMessageW(parent, WM_GETFONT, 0, 0)) : nullptr;
        const CSelectObject selected(pDC->m_hDC, font != nullptr ? font : ::GetCurrentObject(pDC->m_hDC, OBJ_FONT));
        RECT textRect = rect;
        ::SetTextColor(pDC->m_hDC, m_clrText);
        ::SetBkMode(pDC->m_hDC, TRANSPARENT);
        ::DrawTextW(pDC->m_hDC, Widen(m_strText).c_str(), -1, &textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

void CMeterCtrl::DrawGradient(CDC* pDC, const RECT& rect, int nFilledWidth)
{
    // The bar runs to the first band edge past the filled width.
    const GradientPlan plan = PlanGradient(m_clrStart, m_clrEnd, rect.right, nFilledWidth);
    const int barRight = plan.backgroundLeft < 0 ? rect.right : plan.backgroundLeft;
    const CMemDC* gradient = Gradient(pDC->m_hDC, rect.right, rect.bottom);
    if (gradient != nullptr)
        ::BitBlt(pDC->m_hDC, 0, 0, barRight, rect.bottom, gradient->m_hDC, 0, 0, SRCCOPY);
    else
        PaintBands(*pDC, rect.right, rect.bottom, barRight);
    if (barRight < rect.right) {
        const RECT rest = {barRight, 0, rect.right, rect.bottom};
        pDC->FillSolidRect(rest, m_clrBkgnd);
    }
}

const CMemDC* CMeterCtrl::Gradient(HDC target, int width, int height)
{
    if (m_gradient != nullptr && m_gradient->Width() == width && m_gradient->Height() == height &&
        m_gradientStart == m_clrStart && m_gradientEnd == m_clrEnd)
        return m_gradient.get();
    m_gradient.reset();
    if (width <= 0 || height <= 0)
        return nullptr;
    std::unique_ptr<CMemDC> gradient(new CMemDC(target, width, height, CMemDC::Format::Pixels));
    std::uint32_t* const row = gradient->Pixels();
    if (!gradient->IsValid() || row == nullptr)
        return nullptr;
    // Black where no band reaches, as a new bitmap is.
    std::fill(row, row + width, 0u);
    for (const GradientBand& band : PlanGradient(m_clrStart, m_clrEnd, width, width).bands) {
        // A bitmap's pixel holds blue in its low byte, a COLORREF red.
        const std::uint32_t pixel = static_cast<std::uint32_t>(GetRValue(band.colour)) << 16 |
                                    static_cast<std::uint32_t>(GetGValue(band.colour)) << 8 | GetBValue(band.colour);
        std::fill(row + std::min(band.left, width), row + std::min(band.right, width), pixel);
    }
    // Every row is the first one again.
    for (int y = 1; y < height; ++y)
        std::copy(row, row + width, row + static_cast<std::size_t>(y) * static_cast<std::size_t>(width));
    m_gradient = std::move(gradient);
    m_gradientStart = m_clrStart;
    m_gradientEnd = m_clrEnd;
    return m_gradient.get();
}

void CMeterCtrl::PaintBands(const CDC& dc, int width, int height, int right) const
{
    const GradientPlan plan = PlanGradient(m_clrStart, m_clrEnd, width, width);
    for (const GradientBand& band : plan.bands) {
        // A band narrower than a pixel paints nothing.
        if (band.left == band.right || band.left >= right)
            continue;
        const RECT area = {band.left, 0, band.right < right ? band.right : right, height};
        dc.FillSolidRect(area, band.colour);
    }
}
