#include "CommandLine.h"

#include <vector>

const char kSwitchesHelp[] =
    "Brisklet Free knows these switches:\n\n"
    "/tray\tstart minimized: in the notification area when the tray icon is on,\n"
    "\telse on the taskbar\n"
    "/optimize\tfree memory once with the stored settings, then end\n"
    "\t(exit code 0: done, 1: not needed, 2: could not run)";

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// The words after the program name, which ends at its closing quote when
// it starts with one, else at the first blank.
std::vector<std::string> Arguments(const std::string& commandLine)
{
    std::size_t i = 0;
    while (i < commandLine.size() && IsBlank(commandLine[i]))
        ++i;
    if (i < commandLine.size() && commandLine[i] == '"') {
        const std::size_t close = commandLine.find('"', i + 1);
        i = close == std::string::npos ? commandLine.size() : close + 1;
    } else {
        while (i < commandLine.size() && !IsBlank(commandLine[i]))
            ++i;
    }
    std::vector<std::string> words;
    while (i < commandLine.size()) {
        if (IsBlank(commandLine[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < commandLine.size() && !IsBlank(commandLine[i]))
            ++i;
        words.push_back(commandLine.substr(start, i - start));
    }
    return words;
}

std::string Lower(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

}  // namespace

StartMode ParseCommandLine(const std::string& commandLine)
{
    const std::vector<std::string> words = Arguments(commandLine);
    if (words.empty())
        return StartMode::Normal;
    if (words.size() > 1 || words[0].size() < 2 || (words[0][0] != '/' && words[0][0] != '-'))
        return StartMode::Invalid;
    const std::string name = Lower(words[0].substr(1));
    if (name == "tray")
        return StartMode::Tray;
    if (name == "optimize")
        return StartMode::Optimize;
    return StartMode::Invalid;
}

int ExitCodeOf(OptimizeStart start)
{
    switch (start) {
    case OptimizeStart::Started:
        return kExitOptimized;
    case OptimizeStart::NotNeeded:
        return kExitNotNeeded;
    case OptimizeStart::Busy:
    case OptimizeStart::NoThread:
        break;
    }
    return kExitCouldNotRun;
}
