#include "TextTable.h"

#include "resources/resource.h"

namespace {

const char kMain[] = "free_main";
const char kGlobal[] = "free_global_strings";
const char kFileMenu[] = "free_file_menu";
const char kHelpMenu[] = "free_help_menu";
const char kTrayPopup[] = "free_tray_popup";
const char kSettings[] = "free_settings";

TextStore g_texts;

}  // namespace

const TextRow kMainTexts[kMainTextCount] = {
    {kMain, "FreeRam_Text", "Free Ram:", TextTarget::Stored, 0},
    {kMain, "CpuUsage_Text", "CPU Usage", TextTarget::Control, IDC_CPU_CAPTION},
    {kMain, "MemoryLoad_Text", "Memory Load", TextTarget::Control, IDC_MEMORYLOAD_CAPTION},
    {kMain, "SwapFile_Text", "PageFile:", TextTarget::Stored, 0},
    {kMain, "TotalRam_Text", "Total Ram:", TextTarget::Stored, 0},
    {kMain, "Uptime_Text", "Windows elapsed time:", TextTarget::Stored, 0},
    {kMain, "OptimizeBtn_Text", "Optimize", TextTarget::Control, IDC_OPTIMIZE},
    {kMain, "ExitBtn_Text", "Exit", TextTarget::Control, IDOK},
    {kGlobal, "Free_Text", "Free", TextTarget::Stored, 0},
    {kFileMenu, "FileMenu_Text", "&File", TextTarget::MenuPosition, 0},
    {kFileMenu, "FileMenuOptimize_Text", "&Optimize", TextTarget::MenuCommand, ID_FILE_OPTIMIZE},
    {kFileMenu, "FileMenuSettings_Text", "&Settings", TextTarget::MenuCommand, ID_FILE_SETTINGS},
    {kFileMenu, "FileMenuApplyChanges_Text", "&Apply Changes", TextTarget::MenuCommand, ID_FILE_APPLYCHANGES},
    {kFileMenu, "FileMenuExit_Text", "E&xit", TextTarget::MenuCommand, ID_FILE_EXIT},
    {kHelpMenu, "HelpMenu_Text", "&Help", TextTarget::MenuPosition, 1},
    {kHelpMenu, "HelpMenuAbout_Text", "&About", TextTarget::MenuCommand, ID_HELP_ABOUT},
    {kHelpMenu, "HelpMenuWebsite_Text", "&Website", TextTarget::MenuCommand, ID_HELP_WEBSITE},
    {kHelpMenu, "HelpMenuSendEmail_Text", "&Send Email", TextTarget::MenuCommand, ID_HELP_SENDEMAIL},
    {kHelpMenu, "HelpMenuDocumentation_Text", "&Documentation", TextTarget::MenuCommand, ID_HELP_DOCUMENTATION},
    {kHelpMenu, "HelpMenuReadme_Text", "&Readme", TextTarget::MenuCommand, ID_HELP_README},
    {kTrayPopup, "PopupOptimizeRam_Text", "Optimize Ram", TextTarget::Stored, 0},
    {kTrayPopup, "PopupSettings_Text", "Settings", TextTarget::Stored, 0},
    {kTrayPopup, "PopupWebsite_Text", "Website", TextTarget::Stored, 0},
    {kTrayPopup, "PopupSendEmail_Text", "Send Email", TextTarget::Stored, 0},
    {kTrayPopup, "PopupAbout_Text", "About", TextTarget::Stored, 0},
    {kTrayPopup, "PopupDocumentation_Text", "Documentation", TextTarget::Stored, 0},
    {kTrayPopup, "PopupReadme_Text", "Readme", TextTarget::Stored, 0},
    {kTrayPopup, "PopupExitProgram_Text", "Exit Program", TextTarget::Stored, 0},
    // The unit words default to "Free", like Free_Text: language files are
    // expected to give them.
    {kGlobal, "KB_Text", "Free", TextTarget::Stored, 0},
    {kGlobal, "MB_Text", "Free", TextTarget::Stored, 0},
    {kGlobal, "ChangesSaved_Text", "Changes Saved!", TextTarget::Stored, 0},
    {kGlobal, "ErrorRunningExtension_Text", "Error running extension!", TextTarget::Stored, 0},
    {kGlobal, "OptimizingRam_Text", "Optimizing Ram...", TextTarget::Stored, 0},
    {kGlobal, "SaveFailed_Text", "The settings could not be saved to this file:", TextTarget::Stored, 0},
};

const TextRow kSettingsTexts[kSettingsTextCount] = {
    {kSettings, "Caption_Text", "Settings", TextTarget::Caption, 0},
    {kSettings, "MemoryToFree_Text", "Memory to Free", TextTarget::Control, IDC_MEMTOFREE_CAPTION},
    {kSettings, "TriggerLevel_Text", "Trigger Level", TextTarget::Control, IDC_TRIGGER_CAPTION},
    {kSettings, "StayOnTop_Text", "Stay on top of other windows", TextTarget::Control, IDC_STAYONTOP},
    {kSettings, "SystemTray_Text", "Use System Tray Icon (Uses more memory)", TextTarget::Control, IDC_SYSTRAYICON},
    {kSettings, "IcrementalRelease_Text", "Use incremental release", TextTarget::Control, IDC_INCREMENTAL},
    {kSettings, "Language_Text", "Language", TextTarget::Control, IDC_LANGUAGE_CAPTION},
};

const TextRow kSettingsButtonTexts[kSettingsButtonTextCount] = {
    {kSettings, "OKBtn_Text", "OK", TextTarget::Control, IDOK},
    {kSettings, "CancelBtn_Text", "Cancel", TextTarget::Control, IDCANCEL},
};

const char kCodePageSection[] = "free_global_strings";
const char kCodePageKey[] = "CodePage";
const char kLanguageEntriesSection[] = "language_entries";
const char kNoMore[] = "No More";

std::string g_strSettingsMB;

const TextStore& LoadedTexts()
{
    return g_texts;
}

const std::string& GetText(TextKey key)
{
    return g_texts[key];
}

void SetText(TextKey key, const std::string& text)
{
    g_texts.Set(key, text);
}
