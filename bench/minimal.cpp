// The smallest Win32 program of this toolchain: the yardstick for the sizes
// of bkfr.exe and helper.exe.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    ::MessageBoxA(nullptr, "Minimal", "Minimal", MB_OK);
    return 0;
}
