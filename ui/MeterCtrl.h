// The gradient percentage meter on the main window's progress bars.
#pragma once

#include <cstdint>
#include <memory>

#include "framework/Afx.h"

class CMeterCtrl : public CProgressCtrl {
public:
    CMeterCtrl();

    // Stores the position and passes it to the control; the meter is
    // painted again only when the position changed.
    int SetPos(int nPos);

    void OnPaint();
    BOOL OnEraseBkgnd(HDC hDC);
    // The whole meter: bar and text, or button face when out of range.
    void PaintMeter(CDC* pDC, const RECT& rect);
    // Paints the bar into pDC; rect is the client rectangle.
    void DrawGradient(CDC* pDC, const RECT& rect, int nFilledWidth);

    // The system's colours or the display changed (the main window hands
    // these on: only top-level windows receive them). The background
    // follows the system's button face; the gradient is built again.
    void OnSysColorChange();
    void OnDisplayChange();

    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nPos = 0;
    COLORREF m_clrStart = RGB(255, 0, 0);
    COLORREF m_clrEnd = RGB(0, 0, 255);
    COLORREF m_clrBkgnd;
    COLORREF m_clrText = RGB(255, 255, 255);
    int m_bShowPercent = 0;

protected:
    const CMessageMap* GetMessageMap() const override;

private:
    // The gradient over the whole width as 32-bit pixels, built once for a
    // size and colour pair: a paint is then one copy of its filled part to
    // the screen. Written in memory rather than drawn band by band into a
    // bitmap, which costs the start-up some milliseconds a meter; no
    // device context or GDI object is held. False when memory is short.
    bool BuildGradient(int width, int height);
    void PaintBands(const CDC& dc, int width, int height, int right) const;

    std::unique_ptr<std::uint32_t[]> m_gradient;
    int m_gradientWidth = 0;
    int m_gradientHeight = 0;
    COLORREF m_gradientStart = 0;
    COLORREF m_gradientEnd = 0;
};
