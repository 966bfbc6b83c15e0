// How the language directory, the index file and the language list are
// read, apart from the files themselves.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "framework/Path.h"
#include "framework/Utf8.h"

// Where the language files are when the registry does not say.
extern const char kDefaultLanguageDir[];
extern const char kLanguageIndexFile[];
extern const char kLanguagesSection[];
extern const char kDefaultLanguageFile[];

// The language list holds at most this many entries: a file with
// thousands would otherwise make the Settings dialog slow to open.
constexpr std::size_t kMaxLanguageEntries = 256;

// The display names of the languages, read key by key ("0", "1", ...) with
// `read`, which returns kNoMore for a missing key; the list ends before the
// first missing key, the first value that is exactly kNoMore, or after
// kMaxLanguageEntries.
std::vector<std::string> ReadLanguageEntries(const std::function<std::string(const std::string& key)>& read);

// The language list the Settings dialog offers, so that a language can
// always be chosen again: the current file's list; when that file gives
// none (missing, unreadable, or without one), the default language file's;
// else that of the first file of the index (`indexFiles`, in its order)
// that has one. `entriesOf` reads a file's list.
std::vector<std::string> OfferedLanguages(
    const std::vector<std::string>& current, const std::vector<std::string>& indexFiles,
    const std::function<std::vector<std::string>(const std::string& file)>& entriesOf);

// The language directory, ending in a backslash: the registry's value when
// there is one (the installer sets it, and it wins); else a "lang\" folder
// holding the index file beside the program, or one folder up (the 64-bit
// programs of the portable zip sit in its x64\ folder); else the default.
std::string ChooseLanguageDir(const std::string* registryValue, const std::string& programDir,
                              const std::function<bool(const std::string& path)>& fileExists);
