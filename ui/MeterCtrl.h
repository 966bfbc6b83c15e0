// The gradient percentage meter on the main window's progress bars.
#pragma once

#include <memory>

#include "framework/Afx.h"

// A drawing context standing in for a target context during one paint:
// drawing goes to a bitmap of the target's clip box, which reaches the
// target in one BitBlt when the object is destroyed. Where the system
// gives no bitmap, drawing goes to the target directly.
class COffscreenDC : public CDC {
public:
    explicit COffscreenDC(CDC* pDC);
    ~COffscreenDC() override;

private:
    CDC* m_pDC;
    RECT m_rect{};
    std::unique_ptr<CMemDC> m_memDC;
};

class CMeterCtrl : public CProgressCtrl {
public:
    CMeterCtrl();

    // Stores the position and passes it to the control, which repaints.
    int SetPos(int nPos);

    void OnPaint();
    BOOL OnEraseBkgnd(HDC hDC);
    // The whole meter: bar and text, or button face when out of range.
    void PaintMeter(CDC* pDC, const RECT& rect) const;
    // Paints the bar into pDC; rect is the client rectangle.
    void DrawGradient(CDC* pDC, const RECT& rect, int nFilledWidth) const;

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
};
