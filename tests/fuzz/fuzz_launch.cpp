// The launcher's command line, module path and file target from any bytes:
// the argument lies inside the command line, a prefix counts only when the
// argument fits, and the copies fill exactly sized buffers (on the heap, so
// that a byte written past one is caught).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <string>
#include <vector>

#include "helper/Launch.h"
#include "tests/fuzz/Check.h"

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    // Up to past the 256-byte buffers the launcher uses.
    const std::size_t outSize = in.ConsumeIntegralInRange<std::size_t>(0, 300);
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
        FUZZ_CHECK(argumentLength <= kMaxArgumentChars);
        FUZZ_CHECK(std::strncmp(argument, prefix, std::strlen(prefix)) == 0);
        FUZZ_CHECK(TargetOf(argument, command) == argument + std::strlen(prefix));
    } else {
        FUZZ_CHECK(TargetOf(argument, command) == argument);
    }

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
    const std::size_t total = std::strlen(ownDir.c_str()) + std::strlen(name);
    FUZZ_CHECK(joined == (total <= kMaxLaunchPathChars && total < outSize));
    if (joined)
        FUZZ_CHECK(std::string(target.data()) == std::string(ownDir.c_str()) + name);
    return 0;
}
