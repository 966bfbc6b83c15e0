#include "HelpCommands.h"

#include "app/HelpText.h"
#include "framework/Handle.h"
#include "framework/Text.h"
#include "i18n/TextTable.h"
#include "resources/Product.h"

namespace {

// Starts a command line as WinExec would, but through the wide function, so
// that a folder of any characters works; WinExec's codes: 32 and more is
// success, below is the error.
UINT StartProgram(const std::string& commandLine)
{
    std::wstring line = Widen(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        const DWORD error = ::GetLastError();
        return error < 32 ? static_cast<UINT>(error) : 0;
    }
    const CHandle thread(process.hThread);
    const CHandle started(process.hProcess);
    return 33;
}

}  // namespace

UINT_PTR RunHelper(HWND owner, const std::string& programDir, const char* argument)
{
    const std::string line = HelperCommandLine(programDir, argument);
    // 0 stands for a line that could not be built.
    const UINT result = line.empty() ? 0 : StartProgram(line);
    if (result >= 32)
        return result;
    return static_cast<UINT_PTR>(::MessageBoxW(owner, Widen(GetText(TextKey::ErrorRunningExtension)).c_str(),
                                               Widen(kProductName).c_str(), MB_OK | MB_ICONEXCLAMATION));
}
