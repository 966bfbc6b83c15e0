/* Stands in for the browser, the mail program and the file viewers: the
   tests register it as the handler of web and mail addresses and of the
   documents, and it writes the command line it was given (after its own
   name) into %BRISKLET_SCRATCH%\opened.log, one line per call, in UTF-8,
   so that paths outside the ANSI code page arrive as they were sent. */
#include <windows.h>

/* The command line after the program name and the blanks after it. */
static const WCHAR* ArgumentsOf(const WCHAR* line)
{
    while (*line == L' ' || *line == L'\t')
        ++line;
    if (*line == L'"') {
        ++line;
        while (*line != L'\0' && *line != L'"')
            ++line;
        if (*line == L'"')
            ++line;
    } else {
        while (*line != L'\0' && *line != L' ' && *line != L'\t')
            ++line;
    }
    while (*line == L' ' || *line == L'\t')
        ++line;
    return line;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    WCHAR path[MAX_PATH];
    DWORD length = GetEnvironmentVariableW(L"BRISKLET_SCRATCH", path, MAX_PATH - 16);
    const WCHAR* arguments = ArgumentsOf(GetCommandLineW());
    HANDLE file;
    DWORD written;
    int size;
    char* text;
    (void)instance;
    (void)previous;
    (void)commandLine;
    (void)show;
    if (length == 0 || length >= MAX_PATH - 16)
        return 1;
    if (path[length - 1] != L'\\')
        path[length++] = L'\\';
    lstrcpynW(path + length, L"opened.log", MAX_PATH - length);
    size = WideCharToMultiByte(CP_UTF8, 0, arguments, -1, NULL, 0, NULL, NULL);
    if (size <= 0)
        return 1;
    text = (char*)HeapAlloc(GetProcessHeap(), 0, (SIZE_T)size);
    if (text == NULL || WideCharToMultiByte(CP_UTF8, 0, arguments, -1, text, size, NULL, NULL) != size)
        return 1;
    file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    WriteFile(file, text, (DWORD)(size - 1), &written, NULL);
    WriteFile(file, "\r\n", 2, &written, NULL);
    CloseHandle(file);
    return 0;
}
