// The statistics texts from any figures, in the 32-bit and the 64-bit
// widths: grouped numbers that read back as the figure, uptimes whose
// fields add up to the tick count, and lines that carry their figures.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>

#include "app/StatsText.h"
#include "tests/fuzz/Check.h"

namespace {

void CheckGrouped(long long value)
{
    const std::string text = FormatThousands(value);
    std::string plain;
    // Groups of three digits after the first, which has one to three.
    std::size_t digitsInGroup = 0, groups = 0;
    for (std::size_t i = value < 0 ? 1 : 0; i < text.size(); ++i) {
        if (text[i] == ',') {
            FUZZ_CHECK(digitsInGroup >= 1 && digitsInGroup <= 3 && (groups == 0 || digitsInGroup == 3));
            digitsInGroup = 0;
            ++groups;
        } else {
            FUZZ_CHECK(text[i] >= '0' && text[i] <= '9');
            ++digitsInGroup;
        }
        plain += text[i];
    }
    FUZZ_CHECK(digitsInGroup >= 1 && (groups == 0 ? digitsInGroup <= 3 : digitsInGroup == 3));
    std::string expected = std::to_string(value);
    if (value < 0)
        expected.erase(0, 1);
    std::string withoutCommas;
    for (char c : plain)
        if (c != ',')
            withoutCommas += c;
    FUZZ_CHECK(withoutCommas == expected);
    FUZZ_CHECK((value < 0) == (!text.empty() && text[0] == '-'));
}

void CheckUptime(std::uint32_t tickCount)
{
    const std::string text = FormatUptime(tickCount);
    // "DD/HH:MM:SS "
    FUZZ_CHECK(text.size() == 12);
    FUZZ_CHECK(text[2] == '/' && text[5] == ':' && text[8] == ':' && text[11] == ' ');
    const unsigned days = std::stoul(text.substr(0, 2));
    const unsigned hours = std::stoul(text.substr(3, 2));
    const unsigned minutes = std::stoul(text.substr(6, 2));
    const unsigned seconds = std::stoul(text.substr(9, 2));
    FUZZ_CHECK(hours < 24 && minutes < 60 && seconds < 60);
    FUZZ_CHECK(days * 86400u + hours * 3600u + minutes * 60u + seconds == tickCount / 1000);
}

// label, the figure as FormatThousands writes it, unit.
void CheckLine(const std::string& line, const std::string& label, unsigned long long figure, const std::string& unit)
{
    FUZZ_CHECK(line == label + " " + FormatThousands(static_cast<long long>(figure)) + " " + unit);
}

template <typename Bytes>
void CheckLines(FuzzedDataProvider& in, const std::string& label, const std::string& unit)
{
    const Bytes avail = in.ConsumeIntegral<Bytes>();
    const Bytes total = in.ConsumeIntegral<Bytes>();
    const Bytes pageTotal = in.ConsumeIntegral<Bytes>();
    const Bytes pageAvail = in.ConsumeIntegral<Bytes>();
    const std::int32_t trigger = in.ConsumeIntegral<std::int32_t>();

    MemoryFigures<Bytes> memory;
    memory.dwAvailPhys = avail;
    memory.dwTotalPhys = total;
    memory.dwTotalPageFile = pageTotal;
    memory.dwAvailPageFile = pageAvail;
    const ShownFigures shown = ShowFigures(memory);
    CheckLine(FreeRamLine(label, shown.freeKb, unit), label, avail >> 10, unit);
    CheckLine(TotalRamLine(label, shown.totalMb, unit), label, (static_cast<unsigned long long>(total) >> 20) + 1, unit);

    const std::string page = PageFileLine(label, shown.pageFileUsedMb, shown.pageFileTotalMb, unit);
    const std::string used = std::to_string(static_cast<Bytes>(pageTotal - pageAvail) >> 20);
    FUZZ_CHECK(page == label + " " + used + " " + unit + " / " + std::to_string(pageTotal >> 20) + " " + unit);

    if (total == 0)
        FUZZ_CHECK(shown.freePercent == 0.0);
    else if (avail <= total)
        FUZZ_CHECK(shown.freePercent >= 0.0 && shown.freePercent <= 100.0);

    if (pageTotal == 0)
        FUZZ_CHECK(shown.pageFileUsedPercent == 0);
    else if (pageAvail <= pageTotal)
        FUZZ_CHECK(shown.pageFileUsedPercent >= 0 && shown.pageFileUsedPercent <= 100);

    FUZZ_CHECK(TriggerReached(trigger, avail) ==
               (trigger > 0 && (static_cast<std::uint64_t>(avail) >> 20) < static_cast<std::uint64_t>(trigger)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    CheckGrouped(in.ConsumeIntegral<long long>());
    CheckUptime(in.ConsumeIntegral<std::uint32_t>());
    const std::string label = in.ConsumeRandomLengthString(100);
    const std::string unit = in.ConsumeRandomLengthString(100);
    CheckLines<std::uint32_t>(in, label, unit);
    CheckLines<std::uint64_t>(in, label, unit);
    return 0;
}
