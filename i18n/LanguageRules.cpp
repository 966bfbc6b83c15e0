#include "LanguageRules.h"

#include "TextTable.h"

const char kDefaultLanguageDir[] = "c:\\program files\\BriskletLanguage\\";
const char kLanguageIndexFile[] = "language.ini";
const char kLanguagesSection[] = "languages";
const char kDefaultLanguageFile[] = "english.ini";

std::vector<std::string> ReadLanguageEntries(const std::function<std::string(const std::string& key)>& read)
{
    std::vector<std::string> entries;
    for (int n = 0;; ++n) {
        std::string name = read(std::to_string(n));
        if (name == kNoMore)
            break;
        entries.push_back(std::move(name));
    }
    return entries;
}
