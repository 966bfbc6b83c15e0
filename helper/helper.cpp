// helper: opens a web address, a mail address or a file beside it with the
// desktop's default handler. It has no window; it shows at most one
// message box and always ends with exit code 0.
//
// It reads its command line and its own path in UTF-16 and works on them
// in UTF-8, so that a folder outside the ANSI code page keeps its name.
#include <windows.h>
#include <shellapi.h>

#include "helper/Launch.h"

char g_szModulePath[Utf8BytesFor(kMaxLaunchPathChars) + 1];
char g_szOwnDir[Utf8BytesFor(kMaxLaunchPathChars) + 1];

namespace {

const wchar_t kCaption[] = L"Helper";

void ShowNotRecognized()
{
    ::MessageBoxW(nullptr, L"Argument not recognized!", kCaption, MB_OK | MB_ICONEXCLAMATION);
}

// False when the text holds a lone surrogate or does not fit: either way
// the UTF-8 would name something else.
bool ToUtf8(const wchar_t* text, char* out, int size)
{
    return IsWellFormedUtf16(text) && ::WideCharToMultiByte(CP_UTF8, 0, text, -1, out, size, nullptr, nullptr) != 0;
}

// A folder that bears a document's name is a folder all the same.
bool IsFolder(const wchar_t* path)
{
    const DWORD attributes = ::GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void Open(const char* target, bool document = false)
{
    // Targets are at most a path long; a longer one is refused, not cut.
    wchar_t wide[kMaxLaunchPathChars + 1];
    if (::MultiByteToWideChar(CP_UTF8, 0, target, -1, wide, kMaxLaunchPathChars + 1) == 0 ||
        (document && IsFolder(wide))) {
        ShowNotRecognized();
        return;
    }
    ::ShellExecuteW(nullptr, L"open", wide, nullptr, nullptr, SW_SHOWNORMAL);
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
    char target[Utf8BytesFor(kMaxLaunchPathChars) + 1];
    if (g_szOwnDir[0] == '\0' ||
        !JoinFileTarget(g_szOwnDir, TargetOf(argument, HelperCommand::File), target, sizeof target)) {
        ShowNotRecognized();
        return;
    }
    Open(target, true);
}

void DispatchArgument(const char* argument)
{
    if (!OwnDirectory(g_szModulePath, g_szOwnDir, sizeof g_szOwnDir))
        g_szOwnDir[0] = '\0';

    switch (ClassifyArgument(argument)) {
    case HelperCommand::Empty:
        ::MessageBoxW(nullptr, L"Brisklet Free Helper Engine.", kCaption, MB_OK | MB_ICONINFORMATION);
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
    wchar_t modulePath[kMaxLaunchPathChars + 1];
    const DWORD length = ::GetModuleFileNameW(hInstance, modulePath, kMaxLaunchPathChars + 1);
    // A path that fills the buffer was cut and names no real directory.
    if (length == 0 || length > kMaxLaunchPathChars || !ToUtf8(modulePath, g_szModulePath, sizeof g_szModulePath))
        g_szModulePath[0] = '\0';
    // The command line may be 32767 units long: it gets memory of its size.
    const wchar_t* commandLine = ::GetCommandLineW();
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, nullptr, 0, nullptr, nullptr);
    char* text = size > 0 ? static_cast<char*>(::HeapAlloc(::GetProcessHeap(), 0, size)) : nullptr;
    if (text != nullptr && ToUtf8(commandLine, text, size))
        DispatchArgument(ArgumentOf(text));
    else
        ShowNotRecognized();
    if (text != nullptr)
        ::HeapFree(::GetProcessHeap(), 0, text);
    return 0;
}
