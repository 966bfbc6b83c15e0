// The localized texts: every key of the language files with its section,
// its built-in English default and where it goes when loaded, and the
// program-wide store of the texts loaded for the main window.
#pragma once

#include <array>
#include <cstddef>
#include <string>

// The texts of the store, in the order in which the main window loads them.
enum class TextKey {
    FreeRam,
    CpuUsage,
    MemoryLoad,
    SwapFile,
    TotalRam,
    Uptime,
    OptimizeBtn,
    ExitBtn,
    Free,
    FileMenu,
    FileMenuOptimize,
    FileMenuSettings,
    FileMenuApplyChanges,
    FileMenuExit,
    HelpMenu,
    HelpMenuAbout,
    HelpMenuWebsite,
    HelpMenuSendEmail,
    HelpMenuDocumentation,
    HelpMenuReadme,
    PopupOptimizeRam,
    PopupSettings,
    PopupWebsite,
    PopupSendEmail,
    PopupAbout,
    PopupDocumentation,
    PopupReadme,
    PopupExitProgram,
    KB,
    MB,
    ChangesSaved,
    ErrorRunningExtension,
    OptimizingRam,
    SaveFailed,
    Count
};

// Where a loaded text is put.
enum class TextTarget {
    Stored,        // kept in the store only
    Control,       // dialog control with identifier `id`
    Caption,       // the dialog's caption
    MenuPosition,  // top-level menu entry at position `id`
    MenuCommand,   // menu item with command identifier `id`
};

struct TextRow {
    const char* section;
    const char* key;
    const char* defaultText;
    TextTarget target;
    unsigned id;
};

constexpr std::size_t kMainTextCount = static_cast<std::size_t>(TextKey::Count);

// The main window's texts, indexed by TextKey.
extern const TextRow kMainTexts[kMainTextCount];

// The Settings dialog's texts ("free_settings"): its captions, then its
// buttons, which the dialog names after it has filled the language list.
constexpr std::size_t kSettingsTextCount = 7;
extern const TextRow kSettingsTexts[kSettingsTextCount];
constexpr std::size_t kSettingsButtonTextCount = 2;
extern const TextRow kSettingsButtonTexts[kSettingsButtonTextCount];

// The Windows code page a language file is written in ("1251"); a file
// without it is read in the system's ANSI code page.
extern const char kCodePageSection[];
extern const char kCodePageKey[];

// The section that lists the languages by number, ended by kNoMore.
extern const char kLanguageEntriesSection[];
extern const char kNoMore[];

// Every text is read into a buffer of this size (so at most 2,047
// characters).
constexpr std::size_t kTextBufferSize = 2048;

// The main window's texts by key; empty until set.
class TextStore {
public:
    const std::string& operator[](TextKey key) const { return m_texts[static_cast<std::size_t>(key)]; }
    void Set(TextKey key, const std::string& text) { m_texts[static_cast<std::size_t>(key)] = text; }

private:
    std::array<std::string, kMainTextCount> m_texts;
};

// The program's one store, which loading a language fills; empty until the
// first load.
const TextStore& LoadedTexts();
const std::string& GetText(TextKey key);
void SetText(TextKey key, const std::string& text);

// The Settings dialog's own copy of the megabyte unit word.
extern std::string g_strSettingsMB;
