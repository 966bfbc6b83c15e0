#include "HelpCommands.h"

#include <string>

#include "app/HelpText.h"
#include "i18n/TextTable.h"
#include "resources/Product.h"

UINT_PTR RunHelper(HWND owner, const char* programDir, const char* argument)
{
    const std::string line = HelperCommandLine(programDir, argument);
    // WinExec's error range is below 32; 0 stands for a line that could not
    // be built.
    const UINT result = line.empty() ? 0 : ::WinExec(line.c_str(), SW_SHOWNORMAL);
    if (result >= 32)
        return result;
    return static_cast<UINT_PTR>(
        ::MessageBoxA(owner, GetText(TextKey::ErrorRunningExtension).c_str(), kProductName, MB_OK | MB_ICONEXCLAMATION));
}
