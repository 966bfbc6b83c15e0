// Device contexts and GDI guards: every object the program makes is owned
// by one of these and deleted with it.
#pragma once

#include <cstdint>

#include <windows.h>

class CWnd;

class CDC {
public:
    HDC m_hDC = nullptr;

    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC() = default;

    // Fills with the background colour through ExtTextOut, which needs no
    // brush: a gradient of 255 bands would otherwise make and delete 255.
    void FillSolidRect(const RECT& rect, COLORREF colour) const;
};

// BeginPaint and EndPaint around one WM_PAINT.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(const CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

private:
    HWND m_hWnd;
};

// Selects a GDI object into a device context and selects the old one back.
class CSelectObject {
public:
    CSelectObject(HDC hDC, HGDIOBJ hObject) : m_hDC(hDC), m_hOld(::SelectObject(hDC, hObject)) {}
    ~CSelectObject() { ::SelectObject(m_hDC, m_hOld); }
    CSelectObject(const CSelectObject&) = delete;
    CSelectObject& operator=(const CSelectObject&) = delete;

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

// Owns one GDI object (bitmap, brush, font) and deletes it.
template <class Handle>
class CGdiObject {
public:
    explicit CGdiObject(Handle handle = nullptr) : m_handle(handle) {}
    ~CGdiObject() { Reset(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    Handle Get() const { return m_handle; }
    void Reset(Handle handle = nullptr)
    {
        if (m_handle != nullptr)
            ::DeleteObject(m_handle);
        m_handle = handle;
    }

private:
    Handle m_handle;
};

// A memory device context compatible with `target`, holding a bitmap of
// the given size: drawing goes to the bitmap until it is copied somewhere.
// With Format::Pixels the bitmap is 32-bit, top-down, and its pixels
// (0x00RRGGBB, a row of Width() after another) may also be written directly
// through Pixels(), which is much cheaper than many small drawing calls.
// Check IsValid: the system may refuse the bitmap when memory is short.
class CMemDC : public CDC {
public:
    enum class Format { Compatible, Pixels };

    CMemDC(HDC target, int width, int height, Format format = Format::Compatible);
    ~CMemDC() override;

    bool IsValid() const { return m_hDC != nullptr && m_bitmap.Get() != nullptr; }
    HBITMAP Bitmap() const { return m_bitmap.Get(); }
    // Null unless made with Format::Pixels.
    std::uint32_t* Pixels() const { return m_pPixels; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }

private:
    CGdiObject<HBITMAP> m_bitmap;
    HGDIOBJ m_hOldBitmap = nullptr;
    std::uint32_t* m_pPixels = nullptr;
    int m_width;
    int m_height;
};
