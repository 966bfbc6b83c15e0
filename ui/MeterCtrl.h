// The gradient percentage meter on the main window's progress bars.
#pragma once

#include <memory>
#include <string>

#include "framework/Afx.h"

class CMeterCtrl : public CProgressCtrl {
public:
    CMeterCtrl();

    // The gradient's colours at the left and right edge, the percentage
    // text's colour, and whether the text is drawn.
    void SetLook(COLORREF start, COLORREF end, COLORREF text, bool showPercent);
    // Stores the position and passes it to the control; the meter is
    // painted again only when the position changed.
    int SetPos(int nPos);
    // The position and the text drawn on the bar (when the look shows it);
    // painted again only when either changed.
    void Show(int nPos, const std::string& text);

    // The system's colours or the display changed (the main window hands
    // these on: only top-level windows receive them). The background
    // follows the system's button face; the gradient is built again.
    void OnSysColorChange();
    void OnDisplayChange();

    // The full-width gradient a paint copies from; null until the first
    // paint.
    HBITMAP GradientBitmap() const { return m_gradient != nullptr ? m_gradient->Bitmap() : nullptr; }

protected:
    const CMessageMap* GetMessageMap() const override;

private:
    void OnPaint();
    // Into a context it is given (PrintWindow, AnimateWindow): as painted.
    void OnPrintClient(HDC hDC);
    BOOL OnEraseBkgnd(HDC hDC);
    // The whole meter: bar and text, or button face when out of range.
    void PaintMeter(CDC* pDC, const RECT& rect);
    // Paints the bar into pDC; rect is the client rectangle.
    void DrawGradient(CDC* pDC, const RECT& rect, int nFilledWidth);

    // The gradient over the whole width, built once for a size and colour
    // pair: a paint is then a copy of its filled part. Its pixels are
    // written directly rather than drawn band by band, which under Wine
    // cost the start-up about a millisecond a meter. Null when the system
    // gives no bitmap.
    const CMemDC* Gradient(HDC target, int width, int height);
    void PaintBands(const CDC& dc, int width, int height, int right) const;

    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nPos = 0;
    COLORREF m_clrStart = RGB(255, 0, 0);
    COLORREF m_clrEnd = RGB(0, 0, 255);
    COLORREF m_clrBkgnd;
    COLORREF m_clrText = RGB(255, 255, 255);
    int m_bShowPercent = 0;
    std::string m_strText;

    std::unique_ptr<CMemDC> m_gradient;
    COLORREF m_gradientStart = 0;
    COLORREF m_gradientEnd = 0;
};
