// The statistics texts from any figures, in the 32-bit and the 64-bit
// widths: numbers grouped as the C++ library groups them, uptimes whose
// fields add up to the tick count, and lines that carry their figures.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <locale>
#include <sstream>
#include <string>

#include "app/StatsText.h"
#include "measure/MemoryUnits.h"
#include "tests/fuzz/Check.h"

namespace {

// The C++ library's own grouping: commas between groups of three digits.
struct Commas : std::numpunct<char> {
    char do_thousands_sep() const override { return ','; }
    std::string do_grouping() const override { return "\3"; }
};

std::string Grouped(long long value)
{
    static const std::locale commas(std::locale::classic(), new Commas);
    std::ostringstream out;
    out.imbue(commas);
    out << value;
    return out.str();
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

// label, the figure grouped, unit.
void CheckLine(const std::string& line, const std::string& label, unsigned long long figure, const std::string& unit)
{
    FUZZ_CHECK(line == label + " " + Grouped(static_cast<long long>(figure)) + " " + unit);
}

template <typename Bytes>
void CheckLines(FuzzedDataProvider& in, const std::string& label, const std::string& unit)
{
    const Bytes avail = in.ConsumeIntegral<Bytes>();
    const Bytes total = in.ConsumeIntegral<Bytes>();
    const Bytes pageTotal = in.ConsumeIntegral<Bytes>();
    const Bytes pageAvail = in.ConsumeIntegral<Bytes>();

    MemoryFigures<Bytes> memory;
    memory.dwAvailPhys = avail;
    memory.dwTotalPhys = total;
    memory.dwTotalPageFile = pageTotal;
    memory.dwAvailPageFile = pageAvail;
    const ShownFigures shown = ShowFigures(memory);
    CheckLine(FreeRamLine(label, shown.freeKb, unit), label, avail >> 10, unit);
    CheckLine(TotalRamLine(label, shown.totalMb, unit), label, (static_cast<unsigned long long>(total) >> 20) + 1,
              unit);

    if (total == 0)
        FUZZ_CHECK(shown.freePercent == 0.0);
    else if (avail <= total)
        FUZZ_CHECK(shown.freePercent >= 0.0 && shown.freePercent <= 100.0);

    if (pageTotal == 0)
        FUZZ_CHECK(shown.pageFileUsedPercent == 0);
    else if (pageAvail <= pageTotal)
        FUZZ_CHECK(shown.pageFileUsedPercent >= 0 && shown.pageFileUsedPercent <= 100);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const long long value = in.ConsumeIntegral<long long>();
    FUZZ_CHECK(FormatThousands(value) == Grouped(value));
    CheckUptime(in.ConsumeIntegral<std::uint32_t>());
    const std::string label = in.ConsumeRandomLengthString(100);
    const std::string unit = in.ConsumeRandomLengthString(100);
    CheckLines<std::uint32_t>(in, label, unit);
    CheckLines<std::uint64_t>(in, label, unit);
    return 0;
}
