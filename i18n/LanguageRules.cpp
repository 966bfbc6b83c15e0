#include "LanguageRules.h"

#include "TextTable.h"

const char kDefaultLanguageDir[] = "c:\\program files\\BriskletLanguage\\";
const char kLanguageIndexFile[] = "language.ini";
const char kLanguagesSection[] = "languages";
const char kDefaultLanguageFile[] = "english.ini";

std::vector<std::string> ReadLanguageEntries(const std::function<std::string(const std::string& key)>& read)
{
    std::vector<std::string> entries;
    for (std::size_t n = 0; n < kMaxLanguageEntries; ++n) {
        std::string name = read(std::to_string(n));
        if (name == kNoMore)
            break;
        entries.push_back(std::move(name));
    }
    return entries;
}

std::vector<std::string> OfferedLanguages(
    const std::vector<std::string>& current, const std::vector<std::string>& indexFiles,
    const std::function<std::vector<std::string>(const std::string& file)>& entriesOf)
{
    if (!current.empty())
        return current;
    std::vector<std::string> entries = entriesOf(kDefaultLanguageFile);
    for (std::size_t n = 0; entries.empty() && n < indexFiles.size(); ++n)
        entries = entriesOf(indexFiles[n]);
    return entries;
}

std::string ChooseLanguageDir(const std::string* registryValue, const std::string& programDir,
                              const std::function<bool(const std::string& path)>& fileExists)
{
    if (registryValue != nullptr)
        return *registryValue;
    if (!programDir.empty()) {
        const std::string parent = DirectoryOf(programDir.substr(0, programDir.size() - 1));
        for (const std::string& base : {programDir, parent}) {
            const std::string dir = base.empty() ? std::string() : JoinPath(base, "lang\\");
            if (!dir.empty() && fileExists(JoinPath(dir, kLanguageIndexFile)))
                return dir;
        }
    }
    return kDefaultLanguageDir;
}
