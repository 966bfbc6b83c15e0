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

bool IsControl(char c)
{
    return static_cast<unsigned char>(c) < 0x20;
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

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The text after a lower-case prefix found at its start without case, or
// null.
const char* AfterNoCase(const char* text, const char* prefix)
{
    for (; *prefix != '\0'; ++text, ++prefix) {
        if (LowerAscii(*text) != *prefix)
            return nullptr;
    }
    return text;
}

// UTF-16 units of a UTF-8 text: one per sequence, two for a four-byte one.
std::size_t Utf16Length(const char* text)
{
    std::size_t units = 0;
    for (; *text != '\0'; ++text) {
        const unsigned char c = static_cast<unsigned char>(*text);
        if ((c & 0xC0) != 0x80)
            units += c >= 0xF0 ? 2 : 1;
    }
    return units;
}

bool HoldsQuoteOrControl(const char* text)
{
    for (; *text != '\0'; ++text) {
        if (*text == '"' || IsControl(*text))
            return true;
    }
    return false;
}

// An address is one word: a blank would split it for a handler that takes
// "%1" without quotes.
bool IsOneWord(const char* text)
{
    return std::strchr(text, ' ') == nullptr;
}

bool IsWebAddress(const char* target)
{
    const char* rest = AfterNoCase(target, "http://");
    if (rest == nullptr)
        rest = AfterNoCase(target, "https://");
    return rest != nullptr && *rest != '\0' && IsOneWord(rest);
}

bool IsMailAddress(const char* target)
{
    return AfterNoCase(target, "mailto:") != nullptr && IsOneWord(target);
}

// CON, PRN, AUX, NUL, CONIN$, CONOUT$, COM and LPT with a digit or a
// superscript 1 to 3, before any extension and the blanks before it.
bool IsDeviceName(const char* name)
{
    const char* end = std::strchr(name, '.');
    if (end == nullptr)
        end = name + std::strlen(name);
    while (end > name && end[-1] == ' ')
        --end;
    const std::size_t length = static_cast<std::size_t>(end - name);
    const auto is = [&](const char* device) {
        const char* after = AfterNoCase(name, device);
        return after == end;
    };
    if (is("con") || is("prn") || is("aux") || is("nul") || is("conin$") || is("conout$"))
        return true;
    const char* number = AfterNoCase(name, "com");
    if (number == nullptr)
        number = AfterNoCase(name, "lpt");
    if (number == nullptr)
        return false;
    if (length == 4 && *number >= '0' && *number <= '9')
        return true;
    // Superscript one, two and three in UTF-8: C2 B9, C2 B2, C2 B3.
    return length == 5 && static_cast<unsigned char>(number[0]) == 0xC2 &&
           (static_cast<unsigned char>(number[1]) == 0xB9 || static_cast<unsigned char>(number[1]) == 0xB2 ||
            static_cast<unsigned char>(number[1]) == 0xB3);
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
    // The byte bound keeps bytes that are no UTF-8 from passing as short.
    if (std::strlen(argument) > Utf8BytesFor(kMaxArgumentChars) || Utf16Length(argument) > kMaxArgumentChars ||
        HoldsQuoteOrControl(argument))
        return HelperCommand::Unknown;
    if (StartsWith(argument, kUrlPrefix))
        return IsWebAddress(TargetOf(argument, HelperCommand::Url)) ? HelperCommand::Url : HelperCommand::Unknown;
    if (StartsWith(argument, kMailtoPrefix))
        return IsMailAddress(TargetOf(argument, HelperCommand::Mailto)) ? HelperCommand::Mailto
                                                                        : HelperCommand::Unknown;
    if (StartsWith(argument, kFilePrefix))
        return IsDocumentName(TargetOf(argument, HelperCommand::File)) ? HelperCommand::File : HelperCommand::Unknown;
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

bool IsPlainFileName(const char* name)
{
    const std::size_t length = std::strlen(name);
    if (length == 0 || name[length - 1] == '.' || name[length - 1] == ' ')
        return false;
    if (std::strstr(name, "..") != nullptr || IsDeviceName(name))
        return false;
    for (const char* p = name; *p != '\0'; ++p) {
        if (IsControl(*p) || std::strchr("\\/:<>\"|?*", *p) != nullptr)
            return false;
    }
    return true;
}

bool IsDocumentName(const char* name)
{
    if (!IsPlainFileName(name))
        return false;
    const char* dot = std::strrchr(name, '.');
    if (dot == nullptr)
        return false;
    static const char* const kDocumentExtensions[] = {".htm", ".html", ".txt"};
    for (const char* extension : kDocumentExtensions) {
        const char* after = AfterNoCase(dot, extension);
        if (after != nullptr && *after == '\0')
            return true;
    }
    return false;
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
    if (Utf16Length(ownDir) + Utf16Length(fileName) > kMaxLaunchPathChars || dirLength + nameLength >= size)
        return false;
    std::memcpy(out, ownDir, dirLength);
    std::memcpy(out + dirLength, fileName, nameLength + 1);
    return true;
}
