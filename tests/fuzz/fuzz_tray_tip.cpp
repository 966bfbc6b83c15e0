// Tray tips from any texts and figures: a tip is "Brisklet Free - " and its
// text cut to 63 characters, and its copy into the 64-byte field of the
// notification record (exactly sized, on the heap) ends inside it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <memory>
#include <string>

#include "resources/Product.h"
#include "tests/fuzz/Check.h"
#include "ui/TrayTip.h"

namespace {

typedef char TipField[kMaxTipChars + 1];

void CheckCopy(const std::string& tip)
{
    const std::unique_ptr<char[]> field(new char[sizeof(TipField)]);
    std::memset(field.get(), 'x', sizeof(TipField));
    CopyTip(tip, *reinterpret_cast<TipField*>(field.get()));
    const std::size_t length = tip.size() < kMaxTipChars ? tip.size() : kMaxTipChars;
    FUZZ_CHECK(std::memcmp(field.get(), tip.data(), length) == 0);
    FUZZ_CHECK(field[length] == '\0');
}

void CheckTip(const std::string& text)
{
    const std::string tip = ComposeTip(text);
    FUZZ_CHECK(tip.size() <= kMaxTipChars);
    FUZZ_CHECK(tip == (std::string(kProductName) + " - " + text).substr(0, kMaxTipChars));
    CheckCopy(tip);
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
    CheckCopy(text);

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
