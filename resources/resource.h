// Resource identifiers of bkfr, grouped by kind and by dialog.
#pragma once

// Dialog templates
#define IDD_MAIN 102
#define IDD_SETTINGS 130
#define IDD_ABOUT 136

// Menus
#define IDR_MAINMENU 129

// Icons
#define IDI_BUSY 131
#define IDI_RED 139
#define IDI_YELLOW 140
#define IDI_GREEN 141
#define IDI_APP 142
#define IDI_AUTOOFF 151

// The buttons every dialog has, as the system's headers define them, for
// the code that is built without those headers
#ifndef IDOK
#define IDOK 1
#define IDCANCEL 2
#endif

// Main window controls
#define IDC_MEMORYLOAD_METER 1001
#define IDC_MEMORYLOAD_CAPTION 1002
#define IDC_TOTALRAM_LINE 1003
#define IDC_FREERAM_METER 1004
#define IDC_OPTIMIZE 1006
#define IDC_UPTIME_LINE 1014
#define IDC_FREERAM_LINE 1017
#define IDC_CPU_METER 1028
#define IDC_PAGEFILE_LINE 1029
#define IDC_PAGEFILE_METER 1030
#define IDC_CPU_CAPTION 1033

// Settings dialog controls
#define IDC_MEMTOFREE_SLIDER 1007
#define IDC_MEMTOFREE_VALUE 1008
#define IDC_TRIGGER_VALUE 1009
#define IDC_TRIGGER_SLIDER 1010
#define IDC_STAYONTOP 1012
#define IDC_SYSTRAYICON 1023
#define IDC_INCREMENTAL 1031
#define IDC_MEMTOFREE_CAPTION 1034
#define IDC_TRIGGER_CAPTION 1035
#define IDC_LANGUAGE_CAPTION 1036
#define IDC_LANGUAGE_LIST 1037

// About dialog controls
#define IDC_ABOUT_DISCLAIMER 1020
#define IDC_ABOUT_VERSION 1021
#define IDC_ABOUT_NOTICE 1032

// Commands shared by the menu bar, the tray popup and the Optimize button
#define ID_FILE_OPTIMIZE 32771
#define ID_FILE_EXIT 32773
#define ID_HELP_ABOUT 32774
#define ID_HELP_WEBSITE 32775
#define ID_HELP_SENDEMAIL 32776
#define ID_HELP_DOCUMENTATION 32777
#define ID_HELP_README 32778
#define ID_FILE_SETTINGS 32779
#define ID_FILE_APPLYCHANGES 32780
