// Texts converted by glibc: a second method beside the program's own
// conversions.
#pragma once

#include <iconv.h>

#include <string>
#include <vector>

// Converts with glibc; false when the input is not well formed.
inline bool Convert(const char* to, const char* from, const std::string& in, std::string& out)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    std::vector<char> buffer(in.size() * 2 + 4);
    char* inPtr = const_cast<char*>(in.data());
    std::size_t inLeft = in.size();
    char* outPtr = buffer.data();
    std::size_t outLeft = buffer.size();
    const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
    iconv_close(cd);
    out.assign(buffer.data(), buffer.size() - outLeft);
    return ok;
}

// UTF-16 units of a UTF-8 text, or -1 when it is not well formed.
inline long Utf16Units(const std::string& utf8)
{
    std::string utf16;
    return Convert("UTF-16LE", "UTF-8", utf8, utf16) ? static_cast<long>(utf16.size() / 2) : -1;
}
