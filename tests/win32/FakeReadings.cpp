#include "tests/win32/FakeReadings.h"

namespace win32test {

namespace {

// The resource's image for a size, found in its directory and decoded by
// the system's own calls, apart from the program's loader.
HICON ResourceIcon(int id, int cx, int cy)
{
    HMODULE module = ::GetModuleHandleW(nullptr);
    HRSRC group = ::FindResourceA(module, MAKEINTRESOURCEA(id), RT_GROUP_ICON);
    auto* directory = group != nullptr ? static_cast<BYTE*>(::LockResource(::LoadResource(module, group))) : nullptr;
    const int image =
        directory != nullptr ? ::LookupIconIdFromDirectoryEx(directory, TRUE, cx, cy, LR_DEFAULTCOLOR) : 0;
    HRSRC found = image != 0 ? ::FindResourceA(module, MAKEINTRESOURCEA(image), RT_ICON) : nullptr;
    if (found == nullptr)
        return nullptr;
    auto* bytes = static_cast<BYTE*>(::LockResource(::LoadResource(module, found)));
    return ::CreateIconFromResourceEx(bytes, ::SizeofResource(module, found), TRUE, 0x00030000, cx, cy,
                                      LR_DEFAULTCOLOR);
}

}  // namespace

std::vector<DWORD> IconPixels(HICON icon)
{
    ICONINFO info{};
    if (icon == nullptr || !::GetIconInfo(icon, &info))
        return {};
    BITMAP bitmap{};
    ::GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = bitmap.bmWidth;
    format.bmiHeader.biHeight = bitmap.bmHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<size_t>(bitmap.bmWidth) * bitmap.bmHeight);
    HDC screen = ::GetDC(nullptr);
    ::GetDIBits(screen, info.hbmColor, 0, bitmap.bmHeight, pixels.data(), &format, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, screen);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    for (DWORD& pixel : pixels)
        pixel &= 0x00FFFFFF;
    return pixels;
}

bool ShowsIcon(HICON shown, int id)
{
    ICONINFO info{};
    if (shown == nullptr || !::GetIconInfo(shown, &info))
        return false;
    BITMAP bitmap{};
    ::GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    HICON expected = ResourceIcon(id, bitmap.bmWidth, bitmap.bmHeight);
    const bool same = !IconPixels(shown).empty() && IconPixels(shown) == IconPixels(expected);
    if (expected != nullptr)
        ::DestroyIcon(expected);
    return same;
}

}  // namespace win32test
