// helper: opens a web address, a mail address or a file beside it with the
// desktop's default handler. It has no window; it shows at most one
// message box and always ends with exit code 0.
#include <windows.h>
#include <shellapi.h>

#include "helper/Launch.h"

char g_szModulePath[kMaxLaunchPathChars + 1];
char g_szOwnDir[kMaxLaunchPathChars + 1];

namespace {

const char kCaption[] = "Helper";

void ShowNotRecognized()
{
    ::MessageBoxA(nullptr, "Argument not recognized!", kCaption, MB_OK | MB_ICONEXCLAMATION);
}

void Open(const char* target)
{
    ::ShellExecuteA(nullptr, "open", target, nullptr, nullptr, SW_SHOWNORMAL);
}

void OpenUrl(const char* argument)
{
    Open(TargetOf(argument, HelperCommand::Url));
}

void OpenMailto(const char* argument)
{
    Open(TargetOf(argument, HelperCommand::Mailto));
}

void OpenFile(const char* argument)
{
    // Always beside the launcher, never in the current directory.
    char target[kMaxLaunchPathChars + 1];
    if (g_szOwnDir[0] == '\0' ||
        !JoinFileTarget(g_szOwnDir, TargetOf(argument, HelperCommand::File), target, sizeof target)) {
        ShowNotRecognized();
        return;
    }
    Open(target);
}

void DispatchArgument(const char* argument)
{
    if (!OwnDirectory(g_szModulePath, g_szOwnDir, sizeof g_szOwnDir))
        g_szOwnDir[0] = '\0';

    switch (ClassifyArgument(argument)) {
    case HelperCommand::Empty:
        ::MessageBoxA(nullptr, "Brisklet Free Helper Engine.", kCaption, MB_OK | MB_ICONINFORMATION);
        break;
    case HelperCommand::Url:
        OpenUrl(argument);
        break;
    case HelperCommand::Mailto:
        OpenMailto(argument);
        break;
    case HelperCommand::File:
        OpenFile(argument);
        break;
    case HelperCommand::Unknown:
        ShowNotRecognized();
        break;
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    const DWORD length = ::GetModuleFileNameA(hInstance, g_szModulePath, kMaxLaunchPathChars);
    // A path cut at the buffer's end names no real directory.
    g_szModulePath[length < kMaxLaunchPathChars ? length : 0] = '\0';
    DispatchArgument(ArgumentOf(::GetCommandLineA()));
    return 0;
}
