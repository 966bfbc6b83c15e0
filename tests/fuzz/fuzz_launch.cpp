// The launcher's command line, module path and file target from any bytes:
// the argument lies inside the command line, a command is recognized only
// for a target the launcher is for (checked here without the launcher's
// own rules), the copies fill exactly sized buffers (on the heap, so that a
// byte written past one is caught), and lengths count UTF-16 units as
// glibc's converter does.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "helper/Launch.h"
#include "tests/fuzz/Check.h"
#include "tests/fuzz/Convert.h"

namespace {

const char* PrefixOf(HelperCommand command)
{
    switch (command) {
    case HelperCommand::Url:
        return kUrlPrefix;
    case HelperCommand::Mailto:
        return kMailtoPrefix;
    case HelperCommand::File:
        return kFilePrefix;
    case HelperCommand::Empty:
    case HelperCommand::Unknown:
        break;
    }
    return nullptr;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return text;
}

bool Starts(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool Ends(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// What every target the launcher opens must be, whatever its rules.
void CheckTarget(HelperCommand command, const std::string& target)
{
    FUZZ_CHECK(!target.empty());
    FUZZ_CHECK(target.find('"') == std::string::npos);
    FUZZ_CHECK(std::none_of(target.begin(), target.end(), [](char c) { return static_cast<unsigned char>(c) < 32; }));
    const std::string lower = Lower(target);
    switch (command) {
    case HelperCommand::Url:
        FUZZ_CHECK((Starts(lower, "http://") && target.size() > 7) || (Starts(lower, "https://") && target.size() > 8));
        FUZZ_CHECK(target.find(' ') == std::string::npos);
        break;
    case HelperCommand::Mailto:
        FUZZ_CHECK(Starts(lower, "mailto:"));
        FUZZ_CHECK(target.find(' ') == std::string::npos);
        break;
    case HelperCommand::File:
        FUZZ_CHECK(target.find_first_of("\\/:<>|?*") == std::string::npos);
        FUZZ_CHECK(target.find("..") == std::string::npos);
        FUZZ_CHECK(target.back() != '.' && target.back() != ' ');
        FUZZ_CHECK(lower != "con" && lower != "nul" && !Starts(lower, "nul.") && lower != "com1");
        FUZZ_CHECK(Ends(lower, ".htm") || Ends(lower, ".html") || Ends(lower, ".txt"));
        break;
    case HelperCommand::Empty:
    case HelperCommand::Unknown:
        break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    // Up to past the largest buffer the launcher uses for a path.
    const std::size_t outSize = in.ConsumeIntegralInRange<std::size_t>(0, Utf8BytesFor(kMaxLaunchPathChars) + 40);
    const std::string fileName = in.ConsumeRandomLengthString(400);
    const std::string commandLine = in.ConsumeRemainingBytesAsString();
    // As the system hands it over: up to the first zero.
    const char* line = commandLine.c_str();
    const std::size_t lineLength = std::strlen(line);

    const char* argument = ArgumentOf(line);
    FUZZ_CHECK(argument >= line && argument <= line + lineLength);
    FUZZ_CHECK(*argument != ' ' && *argument != '\t');

    const HelperCommand command = ClassifyArgument(argument);
    const std::size_t argumentLength = std::strlen(argument);
    FUZZ_CHECK((command == HelperCommand::Empty) == (argumentLength == 0));
    const char* prefix = PrefixOf(command);
    if (prefix != nullptr) {
        FUZZ_CHECK(argumentLength <= Utf8BytesFor(kMaxArgumentChars));
        const long units = Utf16Units(argument);
        FUZZ_CHECK(units <= static_cast<long>(kMaxArgumentChars));
        FUZZ_CHECK(std::strncmp(argument, prefix, std::strlen(prefix)) == 0);
        FUZZ_CHECK(TargetOf(argument, command) == argument + std::strlen(prefix));
        CheckTarget(command, TargetOf(argument, command));
    } else {
        FUZZ_CHECK(TargetOf(argument, command) == argument);
    }

    // The same bytes as UTF-16: well formed exactly when they convert.
    std::u16string units(commandLine.size() / 2, u'\0');
    std::memcpy(&units[0], commandLine.data(), units.size() * 2);
    units.resize(std::char_traits<char16_t>::length(units.c_str()));
    std::string utf8;
    const std::string unitBytes(reinterpret_cast<const char*>(units.data()), units.size() * 2);
    FUZZ_CHECK(IsWellFormedUtf16(units.c_str()) == Convert("UTF-8", "UTF-16LE", unitBytes, utf8));

    std::vector<char> directory(outSize);
    const bool own = OwnDirectory(line, directory.data(), outSize);
    const char* slash = std::strrchr(line, '\\');
    const std::size_t directoryLength = slash != nullptr ? static_cast<std::size_t>(slash - line) + 1 : 0;
    FUZZ_CHECK(own == (slash != nullptr && directoryLength < outSize));
    if (own)
        FUZZ_CHECK(std::string(directory.data()) == std::string(line, directoryLength));

    // The directory found, or any text, joined with any name.
    const std::string ownDir = own ? std::string(directory.data()) : std::string(line);
    const char* name = fileName.c_str();
    std::vector<char> target(outSize);
    const bool joined = JoinFileTarget(ownDir.c_str(), name, target.data(), outSize);
    const std::string whole = std::string(ownDir.c_str()) + name;
    if (joined)
        FUZZ_CHECK(whole.size() < outSize && std::string(target.data()) == whole);
    const long wholeUnits = Utf16Units(whole);
    if (wholeUnits >= 0)
        FUZZ_CHECK(joined == (wholeUnits <= static_cast<long>(kMaxLaunchPathChars) && whole.size() < outSize));
    return 0;
}
