/* Stands in for the browser, the mail program and the file viewers: the
   tests register it as the handler of web and mail addresses and of the
   documents, and it writes the command line it was given into
   %BRISKLET_SCRATCH%\opened.log, one line per call. */
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    char path[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("BRISKLET_SCRATCH", path, MAX_PATH - 16);
    HANDLE file;
    DWORD written;
    (void)instance;
    (void)previous;
    (void)show;
    if (length == 0 || length >= MAX_PATH - 16)
        return 1;
    if (path[length - 1] != '\\')
        path[length++] = '\\';
    lstrcpynA(path + length, "opened.log", MAX_PATH - length);
    file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    WriteFile(file, commandLine, (DWORD)lstrlenA(commandLine), &written, NULL);
    WriteFile(file, "\r\n", 2, &written, NULL);
    CloseHandle(file);
    return 0;
}
