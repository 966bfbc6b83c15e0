// How the language directory, the index file and the language list are
// read, apart from the files themselves.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "framework/Path.h"

// Where the language files are when the registry does not say.
extern const char kDefaultLanguageDir[];
extern const char kLanguageIndexFile[];
extern const char kLanguagesSection[];
extern const char kDefaultLanguageFile[];

// The display names of the languages, read key by key ("0", "1", ...) with
// `read`, which returns kNoMore for a missing key; the list ends before the
// first missing key or the first value that is exactly kNoMore.
std::vector<std::string> ReadLanguageEntries(const std::function<std::string(const std::string& key)>& read);
