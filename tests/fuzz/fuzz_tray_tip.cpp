// Tray tips from any texts and figures: "Brisklet Free - " and the figure
// in its words, plain or grouped.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "resources/Product.h"
#include "tests/fuzz/Check.h"
#include "app/StatsText.h"

namespace {

std::string WithoutCommas(const std::string& text)
{
    std::string plain;
    for (char c : text)
        if (c != ',')
            plain += c;
    return plain;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const unsigned long long freeKb = in.ConsumeIntegral<unsigned long long>();
    const std::string label = in.ConsumeRandomLengthString(100);
    const std::string kb = in.ConsumeRandomLengthString(100);
    const std::string freeWord = in.ConsumeRandomLengthString(100);
    FUZZ_CHECK(ComposeTip(label) == std::string(kProductName) + " - " + label);

    const std::string first = FirstTipText(label, freeKb, kb);
    FUZZ_CHECK(first == label + " " + std::to_string(freeKb) + " " + kb);

    // The figure with its group commas, between the two words' blanks.
    const std::string refreshed = RefreshedTipText(freeKb, kb, freeWord);
    const std::string tail = " " + kb + " " + freeWord;
    FUZZ_CHECK(refreshed.size() >= tail.size());
    FUZZ_CHECK(refreshed.compare(refreshed.size() - tail.size(), tail.size(), tail) == 0);
    FUZZ_CHECK(WithoutCommas(refreshed.substr(0, refreshed.size() - tail.size())) ==
               std::to_string(static_cast<long long>(freeKb)));
    return 0;
}
