// Tray tips from any texts and figures: a tip is "Brisklet Free - " and its
// text cut to 63 UTF-16 units, never more than needed.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "resources/Product.h"
#include "tests/fuzz/Check.h"
#include "tests/fuzz/Convert.h"
#include "ui/TrayTip.h"

namespace {

void CheckTip(const std::string& text)
{
    const std::string tip = ComposeTip(text);
    const std::string whole = std::string(kProductName) + " - " + text;
    FUZZ_CHECK(whole.compare(0, tip.size(), tip) == 0);
    // Lengths as glibc counts them, where it can: a text that is not well
    // formed has no count of its own.
    const long limit = static_cast<long>(kMaxTipChars);
    const long wholeUnits = Utf16Units(whole);
    if (wholeUnits < 0)
        return;
    if (wholeUnits <= limit) {
        FUZZ_CHECK(tip == whole);
        return;
    }
    // Cut between two characters, and short of the limit only by the one
    // character that would pass it.
    const long tipUnits = Utf16Units(tip);
    FUZZ_CHECK(tipUnits >= 0 && tipUnits <= limit);
    std::size_t next = tip.size() + 1;
    while (Utf16Units(whole.substr(0, next)) < 0)
        ++next;
    FUZZ_CHECK(Utf16Units(whole.substr(0, next)) > limit);
}

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
    const std::string text = in.ConsumeRemainingBytesAsString();

    CheckTip(text);

    const std::string first = FirstTipText(label, freeKb, kb);
    FUZZ_CHECK(first == label + " " + std::to_string(freeKb) + " " + kb);
    CheckTip(first);

    // The figure with its group commas, between the two words' blanks.
    const std::string refreshed = RefreshedTipText(freeKb, kb, freeWord);
    const std::string tail = " " + kb + " " + freeWord;
    FUZZ_CHECK(refreshed.size() >= tail.size());
    FUZZ_CHECK(refreshed.compare(refreshed.size() - tail.size(), tail.size(), tail) == 0);
    FUZZ_CHECK(WithoutCommas(refreshed.substr(0, refreshed.size() - tail.size())) ==
               std::to_string(static_cast<long long>(freeKb)));
    CheckTip(refreshed);
    return 0;
}
