/* Sends bkfr's main window what a user's click would: a menu command, or the
 * right click that opens its popup menu. For tools/screenshots.
 *   poke.exe command ID
 *   poke.exe popup X Y         (the menu opens at the mouse cursor, put there)
 */
#include <windows.h>

#include <stdlib.h>
#include <string.h>

static BOOL CALLBACK FindMain(HWND hwnd, LPARAM param)
{
    char name[16] = "";
    GetClassNameA(hwnd, name, sizeof name);
    /* The main window: a dialog with a menu bar and the Optimize button. */
    if (strcmp(name, "#32770") == 0 && GetMenu(hwnd) != NULL && GetDlgItem(hwnd, 1006) != NULL) {
        *(HWND*)param = hwnd;
        return FALSE;
    }
    return TRUE;
}

int main(int argc, char** argv)
{
    HWND main = NULL;
    if (argc < 3)
        return 2;
    EnumWindows(FindMain, (LPARAM)&main);
    if (main == NULL)
        return 1;
    if (strcmp(argv[1], "command") == 0) {
        PostMessageA(main, WM_COMMAND, (WPARAM)atoi(argv[2]), 0);
    } else if (strcmp(argv[1], "popup") == 0 && argc >= 4) {
        SetCursorPos(atoi(argv[2]), atoi(argv[3]));
        PostMessageA(main, WM_CONTEXTMENU, (WPARAM)main, MAKELPARAM(atoi(argv[2]), atoi(argv[3])));
    }
    return 0;
}
