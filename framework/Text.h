// Texts at the boundary with the system: the program keeps them in UTF-8
// and hands them to the wide-character functions, so that any character
// shows whatever the system's ANSI code page.
#pragma once

#include <windows.h>

#include <string>

std::wstring Widen(const std::string& utf8);
std::string Narrow(const wchar_t* wide, int length = -1);
inline std::string Narrow(const std::wstring& wide)
{
    return Narrow(wide.c_str(), static_cast<int>(wide.size()));
}

// Bytes in a Windows code page (CP_ACP for the system's) as UTF-16.
std::wstring FromCodePage(const std::string& bytes, UINT codePage);
