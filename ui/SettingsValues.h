// The program's settings, as bkfr.ini keeps them and the Settings dialog
// edits them. (The language number is the program-wide g_nLanguage.)
#pragma once

struct SettingsValues {
    int m_nMemToFree = 0;     // megabytes an optimization frees
    int m_nTriggerLevel = 0;  // megabytes free below which one starts; 0: never
    int m_bStayOnTop = 1;
    int m_bSysTrayIcon = 0;
    int m_bUseIncrementalRelease = 0;
    int m_nLeft = 0;  // the window's position
    int m_nTop = 0;
};
