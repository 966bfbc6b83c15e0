#include "ProgramDir.h"

#include <windows.h>

#include "framework/Afx.h"
#include "framework/Path.h"
#include "framework/Text.h"

std::string ProgramDirectory()
{
    // The wide path: the ANSI one of a folder outside the system's code
    // page comes back with question marks in it.
    wchar_t modulePath[kMaxPathChars + 1];
    const DWORD length = ::GetModuleFileNameW(AfxGetInstanceHandle(), modulePath, kMaxPathChars);
    // A path cut at the buffer's end names no real folder.
    if (length == 0 || length >= kMaxPathChars)
        return std::string();
    return DirectoryOf(Narrow(modulePath, static_cast<int>(length)));
}

std::string SettingsFilePath(const std::string& programDir)
{
    return programDir.empty() ? std::string() : JoinPath(programDir, "bkfr.ini");
}
