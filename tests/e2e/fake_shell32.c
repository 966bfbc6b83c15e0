/* A stand-in for SHELL32 that the tests put beside bkfr.exe: a shell whose
   notification-icon service is missing or refuses every icon. The .def
   files export this one function under the shell's names. */
#include <windows.h>

BOOL WINAPI FakeNotifyIcon(DWORD message, void* data)
{
    (void)message;
    (void)data;
    return FALSE;
}
