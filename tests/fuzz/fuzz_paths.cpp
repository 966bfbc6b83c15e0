// Paths and the helper's command line from any texts, and the language list
// read from a reader that answers with any texts: a joined path is whole or
// empty and never longer than a path may be (in UTF-16 units); the language
// list ends at the first missing key or its limit and asks for the keys in
// order.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "app/HelpText.h"
#include "framework/Path.h"
#include "framework/Utf8.h"
#include "i18n/LanguageRules.h"
#include "i18n/TextTable.h"
#include "tests/fuzz/Check.h"

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

    // Lengths count the system's UTF-16 units, not bytes.
    const std::string joined = JoinPath(first, second);
    FUZZ_CHECK(Utf16Length(joined) <= kMaxPathChars);
    FUZZ_CHECK(joined ==
               (Utf16Length(first) + Utf16Length(second) <= kMaxPathChars ? first + second : std::string()));

    const std::string line = HelperCommandLine(first, second);
    const std::string whole = "\"" + first + "helper.exe\" " + second;
    FUZZ_CHECK(line == (first.empty() || Utf16Length(whole) > kMaxPathChars ? std::string() : whole));

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
