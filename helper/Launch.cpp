#include "Launch.h"

#include <cstring>

const char kUrlPrefix[] = "/url:";
const char kMailtoPrefix[] = "/mailto:";
const char kFilePrefix[] = "/file:";

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

const char* SkipBlanks(const char* p)
{
    while (IsBlank(*p))
        ++p;
    return p;
}

bool StartsWith(const char* text, const char* prefix)
{
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

bool CopyBounded(const char* text, std::size_t length, char* out, std::size_t size)
{
    if (size == 0 || length >= size)
        return false;
    std::memcpy(out, text, length);
    out[length] = '\0';
    return true;
}

}  // namespace

const char* ArgumentOf(const char* commandLine)
{
    const char* p = SkipBlanks(commandLine);
    if (*p == '"') {
        ++p;
        while (*p != '\0' && *p != '"')
            ++p;
        if (*p == '"')
            ++p;
    } else {
        while (*p != '\0' && !IsBlank(*p))
            ++p;
    }
    return SkipBlanks(p);
}

HelperCommand ClassifyArgument(const char* argument)
{
    if (*argument == '\0')
        return HelperCommand::Empty;
    if (std::strlen(argument) > kMaxArgumentChars)
        return HelperCommand::Unknown;
    if (StartsWith(argument, kUrlPrefix))
        return HelperCommand::Url;
    if (StartsWith(argument, kMailtoPrefix))
        return HelperCommand::Mailto;
    if (StartsWith(argument, kFilePrefix))
        return HelperCommand::File;
    return HelperCommand::Unknown;
}

const char* TargetOf(const char* argument, HelperCommand command)
{
    switch (command) {
    case HelperCommand::Url:
        return argument + std::strlen(kUrlPrefix);
    case HelperCommand::Mailto:
        return argument + std::strlen(kMailtoPrefix);
    case HelperCommand::File:
        return argument + std::strlen(kFilePrefix);
    case HelperCommand::Empty:
    case HelperCommand::Unknown:
        break;
    }
    return argument;
}

bool OwnDirectory(const char* modulePath, char* out, std::size_t size)
{
    const char* slash = std::strrchr(modulePath, '\\');
    if (slash == nullptr)
        return false;
    return CopyBounded(modulePath, static_cast<std::size_t>(slash - modulePath) + 1, out, size);
}

bool JoinFileTarget(const char* ownDir, const char* fileName, char* out, std::size_t size)
{
    const std::size_t dirLength = std::strlen(ownDir);
    const std::size_t nameLength = std::strlen(fileName);
    if (dirLength + nameLength > kMaxLaunchPathChars || dirLength + nameLength >= size)
        return false;
    std::memcpy(out, ownDir, dirLength);
    std::memcpy(out + dirLength, fileName, nameLength + 1);
    return true;
}
