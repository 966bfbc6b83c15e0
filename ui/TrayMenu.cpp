#include "TrayMenu.h"

#include "framework/Text.h"
#include "i18n/TextTable.h"
#include "resources/resource.h"

HMENU CreateTrayMenu()
{
    struct Item {
        UINT command;  // 0: separator
        TextKey text;
    };
    static const Item items[] = {
        {ID_FILE_OPTIMIZE, TextKey::PopupOptimizeRam},
        {ID_FILE_SETTINGS, TextKey::PopupSettings},
        {0, TextKey::Count},
        {ID_HELP_WEBSITE, TextKey::PopupWebsite},
        {ID_HELP_SENDEMAIL, TextKey::PopupSendEmail},
        {0, TextKey::Count},
        {ID_HELP_ABOUT, TextKey::PopupAbout},
        {ID_HELP_DOCUMENTATION, TextKey::PopupDocumentation},
        {ID_HELP_README, TextKey::PopupReadme},
        {0, TextKey::Count},
        {ID_FILE_EXIT, TextKey::PopupExitProgram},
    };
    HMENU menu = ::CreatePopupMenu();
    for (const Item& item : items) {
        if (item.command == 0)
            ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        else
            ::AppendMenuW(menu, MF_STRING, item.command, Widen(GetText(item.text)).c_str());
    }
    return menu;
}

void ShowTrayMenu(HWND owner)
{
    // The owner must be in front, or the menu would not close when the
    // user clicks elsewhere.
    ::SetForegroundWindow(owner);
    HMENU menu = CreateTrayMenu();
    POINT point;
    ::GetCursorPos(&point);
    ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_LEFTBUTTON, point.x, point.y, 0, owner, nullptr);
    // A message to the owner ends the menu's hold on the foreground: without
    // it the menu shown the next time may vanish at once (TrackPopupMenu's
    // remarks).
    ::PostMessageW(owner, WM_NULL, 0, 0);
    ::DestroyMenu(menu);
}
