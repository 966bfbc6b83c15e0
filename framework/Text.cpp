#include "Text.h"

namespace {

std::wstring ToWide(const std::string& bytes, UINT codePage)
{
    if (bytes.empty())
        return std::wstring();
    const int size = static_cast<int>(bytes.size());
    const int length = ::MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, 0, bytes.data(), size, &wide[0], length);
    return wide;
}

}  // namespace

std::wstring Widen(const std::string& utf8)
{
    return ToWide(utf8, CP_UTF8);
}

std::string Narrow(const wchar_t* wide, int length)
{
    if (length < 0)
        length = lstrlenW(wide);
    if (length == 0)
        return std::string();
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0)
        return std::string();
    std::string utf8(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide, length, &utf8[0], size, nullptr, nullptr);
    return utf8;
}

std::wstring FromCodePage(const std::string& bytes, UINT codePage)
{
    return ToWide(bytes, codePage);
}
