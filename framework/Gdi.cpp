#include "Gdi.h"

#include "Wnd.h"

void CDC::FillSolidRect(const RECT& rect, COLORREF colour) const
{
    const COLORREF old = ::SetBkColor(m_hDC, colour);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

CPaintDC::CPaintDC(const CWnd* pWnd) : m_hWnd(pWnd->m_hWnd)
{
    m_hDC = ::BeginPaint(m_hWnd, &m_ps);
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
}

CMemDC::CMemDC(HDC target, int width, int height, Format format) : m_width(width), m_height(height)
{
    m_hDC = ::CreateCompatibleDC(target);
    if (m_hDC == nullptr)
        return;
    if (format == Format::Pixels) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_bitmap.Reset(::CreateDIBSection(target, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        m_pPixels = m_bitmap.Get() != nullptr ? static_cast<std::uint32_t*>(bits) : nullptr;
    } else {
        m_bitmap.Reset(::CreateCompatibleBitmap(target, width, height));
    }
    if (m_bitmap.Get() != nullptr)
        m_hOldBitmap = ::SelectObject(m_hDC, m_bitmap.Get());
}

CMemDC::~CMemDC()
{
    if (m_hDC == nullptr)
        return;
    // The bitmap must leave the context before either can be deleted.
    if (m_hOldBitmap != nullptr)
        ::SelectObject(m_hDC, m_hOldBitmap);
    ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    m_bitmap.Reset();
}
