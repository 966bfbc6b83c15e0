#include "MeterCtrl.h"

#include <algorithm>
#include <new>
#include <string>

#include "framework/Text.h"
#include "ui/GradientBands.h"

CMeterCtrl::CMeterCtrl() : m_clrBkgnd(::GetSysColor(COLOR_BTNFACE)) {}

BEGIN_MESSAGE_MAP(CMeterCtrl, CProgressCtrl)
    OnMessage<&CMeterCtrl::OnPaint>(WM_PAINT),
    OnMessage<&CMeterCtrl::OnEraseBkgnd>(WM_ERASEBKGND),
END_MESSAGE_MAP()

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

void CMeterCtrl::OnSysColorChange()
{
    m_clrBkgnd = ::GetSysColor(COLOR_BTNFACE);
    m_gradient.reset();
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CMeterCtrl::OnDisplayChange()
{
    // Painted again on the new display; the gradient, 32-bit pixels
    // whatever the display's format, is built again with it.
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
    if (m_bShowPercent) {
        // In the window's font, so that the text grows with it on a screen
        // of more dots per inch.
        HWND parent = ::GetParent(m_hWnd);
        HFONT font = parent != nullptr ? reinterpret_cast<HFONT>(::SendMessageW(parent, WM_GETFONT, 0, 0)) : nullptr;
        const CSelectObject selected(pDC->m_hDC, font != nullptr ? font : ::GetCurrentObject(pDC->m_hDC, OBJ_FONT));
        RECT textRect = rect;
        ::SetTextColor(pDC->m_hDC, m_clrText);
        ::SetBkMode(pDC->m_hDC, TRANSPARENT);
        ::DrawTextW(pDC->m_hDC, Widen(MeterPercentText(m_nPos, m_nUpper)).c_str(), -1, &textRect,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

void CMeterCtrl::DrawGradient(CDC* pDC, const RECT& rect, int nFilledWidth)
{
    // The bar runs to the first band edge past the filled width.
    const GradientPlan plan = PlanGradient(m_clrStart, m_clrEnd, rect.right, nFilledWidth);
    const int barRight = plan.backgroundLeft < 0 ? rect.right : plan.backgroundLeft;
    if (BuildGradient(rect.right, rect.bottom)) {
        // Every row is the same, so a bottom-up bitmap reads as it is kept.
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = m_gradientWidth;
        info.bmiHeader.biHeight = m_gradientHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        ::SetDIBitsToDevice(pDC->m_hDC, 0, 0, static_cast<DWORD>(barRight), static_cast<DWORD>(rect.bottom), 0, 0, 0,
                            static_cast<UINT>(rect.bottom), m_gradient.get(), &info, DIB_RGB_COLORS);
    } else {
        PaintBands(*pDC, rect.right, rect.bottom, barRight);
    }
    if (barRight < rect.right) {
        const RECT rest = {barRight, 0, rect.right, rect.bottom};
        pDC->FillSolidRect(rest, m_clrBkgnd);
    }
}

bool CMeterCtrl::BuildGradient(int width, int height)
{
    if (m_gradient != nullptr && m_gradientWidth == width && m_gradientHeight == height &&
        m_gradientStart == m_clrStart && m_gradientEnd == m_clrEnd)
        return true;
    m_gradient.reset();
    if (width <= 0 || height <= 0)
        return false;
    const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    // Black where no band reaches, as a new bitmap is.
    std::unique_ptr<std::uint32_t[]> gradient(new (std::nothrow) std::uint32_t[pixels]());
    if (gradient == nullptr)
        return false;
    std::uint32_t* const row = gradient.get();
    for (const GradientBand& band : PlanGradient(m_clrStart, m_clrEnd, width, width).bands) {
        // A bitmap's pixel holds blue in its low byte, a COLORREF red.
        const std::uint32_t pixel = static_cast<std::uint32_t>(GetRValue(band.colour)) << 16 |
                                    static_cast<std::uint32_t>(GetGValue(band.colour)) << 8 | GetBValue(band.colour);
        for (int x = band.left; x < band.right && x < width; ++x)
            row[x] = pixel;
    }
    for (int y = 1; y < height; ++y)
        std::copy(row, row + width, row + static_cast<std::size_t>(y) * static_cast<std::size_t>(width));
    m_gradient = std::move(gradient);
    m_gradientWidth = width;
    m_gradientHeight = height;
    m_gradientStart = m_clrStart;
    m_gradientEnd = m_clrEnd;
    return true;
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
