// Paths and the helper's command line from any texts, and the language list
// read from a reader that answers with any texts: a joined path is whole or
// empty and never longer than a path may be (in UTF-16 units, as glibc's
// converter counts them); the language list ends at the first missing key
// or its limit and asks for the keys in order.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "app/HelpText.h"
#include "framework/Path.h"
#include "i18n/LanguageRules.h"
#include "i18n/TextTable.h"
#include "tests/fuzz/Check.h"
#include "tests/fuzz/Convert.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const std::string first = in.ConsumeRandomLengthString(600);
    const std::string second = in.ConsumeRandomLengthString(600);

    const std::string directory = DirectoryOf(first);
    if (directory.empty()) {
        FUZZ_CHECK(first.find('\\') == std::string::npos);
    } else {
        FUZZ_CHECK(directory.back() == '\\');
        FUZZ_CHECK(first.compare(0, directory.size(), directory) == 0);
        FUZZ_CHECK(first.find('\\', directory.size()) == std::string::npos);
    }

    // Lengths count the system's UTF-16 units, not bytes, as glibc counts
    // them; where it has no count (text that is not well formed) a result is
    // still whole or empty.
    const long limit = static_cast<long>(kMaxPathChars);
    const std::string joined = JoinPath(first, second);
    FUZZ_CHECK(joined.empty() || joined == first + second);
    const long firstUnits = Utf16Units(first), secondUnits = Utf16Units(second);
    if (firstUnits >= 0 && secondUnits >= 0)
        FUZZ_CHECK(joined == (firstUnits + secondUnits <= limit ? first + second : std::string()));

    const std::string line = HelperCommandLine(first, second);
    const std::string whole = "\"" + first + "helper.exe\" " + second;
    const long wholeUnits = Utf16Units(whole);
    FUZZ_CHECK(line.empty() || line == whole);
    if (first.empty())
        FUZZ_CHECK(line.empty());
    else if (wholeUnits >= 0)
        FUZZ_CHECK(line == (wholeUnits <= limit ? whole : std::string()));

    std::vector<std::string> given;
    int asked = 0;
    bool ended = false;
    const std::vector<std::string> entries = ReadLanguageEntries([&](const std::string& key) {
        FUZZ_CHECK(!ended && static_cast<std::size_t>(asked) < kMaxLanguageEntries);
        FUZZ_CHECK(key == std::to_string(asked));
        ++asked;
        // A missing key now and then, and always once the data runs out.
        std::string value = in.remaining_bytes() == 0 || in.ConsumeIntegral<std::uint8_t>() < 8
                                ? std::string(kNoMore)
                                : in.ConsumeRandomLengthString(300);
        if (value == kNoMore)
            ended = true;
        else
            given.push_back(value);
        return value;
    });
    FUZZ_CHECK(ended || entries.size() == kMaxLanguageEntries);
    FUZZ_CHECK(entries == given);
    return 0;
}
