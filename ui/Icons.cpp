#include "Icons.h"

#include <cstdlib>
#include <cstring>

#include "framework/Dpi.h"

namespace {

// A locked resource and its size in bytes; null when there is none.
const BYTE* ResourceBytes(HINSTANCE instance, LPCSTR name, LPCSTR type, DWORD* size)
{
    HRSRC found = ::FindResourceA(instance, name, type);
    HGLOBAL loaded = found != nullptr ? ::LoadResource(instance, found) : nullptr;
    *size = found != nullptr ? ::SizeofResource(instance, found) : 0;
    return loaded != nullptr ? static_cast<const BYTE*>(::LockResource(loaded)) : nullptr;
}

WORD WordAt(const BYTE* bytes)
{
    WORD value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

// The group directory: a 6-byte header, then 14-byte entries of width,
// height, colour count, reserved, planes, bits per pixel, byte count and
// the RT_ICON identifier.
const DWORD kGroupHeaderBytes = 6;
const DWORD kGroupEntryBytes = 14;

}  // namespace

HICON CIconPair::Large() const
{
    return Load(m_large, SM_CXICON, SM_CYICON);
}

HICON CIconPair::Small() const
{
    return Load(m_small, SM_CXSMICON, SM_CYSMICON);
}

HICON CIconPair::Load(Image& image, int cxMetric, int cyMetric) const
{
    if (!image.tried) {
        image.tried = true;
        image.cx = MetricForDpi(cxMetric, m_dpi);
        image.icon = LoadIconAt(m_instance, m_id, image.cx, MetricForDpi(cyMetric, m_dpi));
    }
    return image.icon;
}

bool CIconPair::Refit(UINT dpi, std::vector<HICON>& retired)
{
    m_dpi = dpi;
    const bool largeLetGo = Refit(m_large, SM_CXICON, retired);
    const bool smallLetGo = Refit(m_small, SM_CXSMICON, retired);
    return largeLetGo || smallLetGo;
}

bool CIconPair::Refit(Image& image, int cxMetric, std::vector<HICON>& retired) const
{
    if (!image.tried || image.cx == MetricForDpi(cxMetric, m_dpi))
        return false;
    if (image.icon != nullptr)
        retired.push_back(image.icon);
    image = Image();
    return true;
}

CIconPair::~CIconPair()
{
    for (const Image* image : {&m_large, &m_small}) {
        if (image->icon != nullptr)
            ::DestroyIcon(image->icon);
    }
}

HICON LoadIconAt(HINSTANCE instance, int id, int cx, int cy)
{
    // Not LR_SHARED: a shared icon is whichever size of the resource was
    // loaded first, whatever size is asked for.
    HICON icon = static_cast<HICON>(::LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_ICON, cx, cy, LR_DEFAULTCOLOR));
    return icon != nullptr ? icon : LoadPaletteIconAt(instance, id, cx, cy);
}

HICON LoadPaletteIconAt(HINSTANCE instance, int id, int cx, int cy)
{
    DWORD groupSize = 0;
    const BYTE* group = ResourceBytes(instance, MAKEINTRESOURCEA(id), RT_GROUP_ICON, &groupSize);
    if (group == nullptr || groupSize < kGroupHeaderBytes)
        return nullptr;
    const DWORD count = WordAt(group + 4);
    if (groupSize < kGroupHeaderBytes + count * kGroupEntryBytes)
        return nullptr;
    int best = -1;
    int bestDistance = 0;
    for (DWORD i = 0; i < count; ++i) {
        const BYTE* entry = group + kGroupHeaderBytes + i * kGroupEntryBytes;
        if (WordAt(entry + 6) != 4)
            continue;
        const int width = entry[0] != 0 ? entry[0] : 256;
        const int distance = std::abs(width - cx);
        if (best < 0 || distance < bestDistance) {
            best = WordAt(entry + 12);
            bestDistance = distance;
        }
    }
    if (best < 0)
        return nullptr;
    DWORD imageSize = 0;
    const BYTE* image = ResourceBytes(instance, MAKEINTRESOURCEA(best), RT_ICON, &imageSize);
    if (image == nullptr)
        return nullptr;
    return ::CreateIconFromResourceEx(const_cast<BYTE*>(image), imageSize, TRUE, 0x00030000, cx, cy, LR_DEFAULTCOLOR);
}
