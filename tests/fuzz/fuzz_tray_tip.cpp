// Tray tips from any texts and figures: a tip is "Brisklet Free - " and its
// text cut to 63 UTF-16 units, never more than needed.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "framework/Utf8.h"
#include "resources/Product.h"
#include "tests/fuzz/Check.h"
#include "ui/TrayTip.h"

namespace {

void CheckTip(const std::string& text)
{
    const std::string tip = ComposeTip(text);
    const std::string whole = std::string(kProductName) + " - " + text;
    FUZZ_CHECK(Utf16Length(tip) <= kMaxTipChars);
    FUZZ_CHECK(whole.compare(0, tip.size(), tip) == 0);
    // Cut only where the whole would not fit, and never by more than one
    // character (at most four bytes).
    FUZZ_CHECK(tip.size() == whole.size() || Utf16Length(whole) > kMaxTipChars);
    FUZZ_CHECK(tip.size() == whole.size() || Utf16Length(whole.substr(0, tip.size() + 4)) > kMaxTipChars ||
               tip.size() + 4 > whole.size());
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
