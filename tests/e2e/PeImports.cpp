#include "PeImports.h"

namespace pe {

namespace {

// Limits far above any real program; they only bound a damaged file's
// loops (the Windows loader itself takes at most 96 sections).
constexpr std::uint32_t kMaxSections = 96;
constexpr std::size_t kMaxModules = 1024;
constexpr std::size_t kMaxFunctions = 65536;
constexpr std::size_t kMaxNameChars = 4096;

constexpr std::uint16_t kMagicPe32 = 0x10B;
constexpr std::uint16_t kMagicPe32Plus = 0x20B;
constexpr std::uint32_t kImportDirectory = 1;
constexpr std::uint32_t kDelayImportDirectory = 13;

struct Section {
    std::uint32_t virtualAddress;
    std::uint32_t virtualSize;
    std::uint32_t rawSize;
    std::uint32_t rawOffset;
};

// Little-endian reads that fail instead of passing the end.
class Reader {
public:
    explicit Reader(const std::vector<unsigned char>& file) : m_file(file) {}

    bool Fits(std::uint64_t offset, std::uint64_t size) const
    {
        return offset <= m_file.size() && size <= m_file.size() - offset;
    }

    template <typename T>
    bool Read(std::uint64_t offset, T& value) const
    {
        if (!Fits(offset, sizeof(T)))
            return false;
        std::uint64_t v = 0;
        for (std::size_t i = 0; i < sizeof(T); ++i)
            v |= static_cast<std::uint64_t>(m_file[static_cast<std::size_t>(offset) + i]) << (8 * i);
        value = static_cast<T>(v);
        return true;
    }

    // A zero-terminated string that ends inside the file and the limit.
    bool String(std::uint64_t offset, std::string& text) const
    {
        text.clear();
        for (std::uint64_t at = offset; Fits(at, 1); ++at) {
            const char c = static_cast<char>(m_file[static_cast<std::size_t>(at)]);
            if (c == '\0')
                return true;
            if (text.size() == kMaxNameChars)
                return false;
            text += c;
        }
        return false;
    }

private:
    const std::vector<unsigned char>& m_file;
};

// The file offset of a relative virtual address that lies in the file
// data of a section.
bool OffsetOf(const std::vector<Section>& sections, std::uint64_t rva, std::uint64_t& offset)
{
    for (const Section& s : sections) {
        if (rva >= s.virtualAddress && rva - s.virtualAddress < s.rawSize &&
            (s.virtualSize == 0 || rva - s.virtualAddress < s.virtualSize)) {
            offset = static_cast<std::uint64_t>(s.rawOffset) + (rva - s.virtualAddress);
            return true;
        }
    }
    return false;
}

bool Fail(std::string& error, const char* reason)
{
    error = reason;
    return false;
}

}  // namespace

bool ReadImports(const std::vector<unsigned char>& file, Image& image, std::string& error)
{
    image = Image();
    const Reader in(file);

    std::uint16_t mz = 0;
    std::uint32_t peOffset = 0;
    if (!in.Read(0, mz) || mz != 0x5A4D)
        return Fail(error, "no MZ header");
    if (!in.Read(0x3C, peOffset))
        return Fail(error, "no PE header offset");
    std::uint32_t signature = 0;
    if (!in.Read(peOffset, signature) || signature != 0x00004550)
        return Fail(error, "no PE signature");

    const std::uint64_t fileHeader = static_cast<std::uint64_t>(peOffset) + 4;
    std::uint16_t sectionCount = 0, optionalSize = 0;
    if (!in.Read(fileHeader, image.machine) || !in.Read(fileHeader + 2, sectionCount) ||
        !in.Read(fileHeader + 16, optionalSize) || !in.Read(fileHeader + 18, image.characteristics))
        return Fail(error, "file header cut short");
    if (sectionCount == 0 || sectionCount > kMaxSections)
        return Fail(error, "implausible number of sections");

    const std::uint64_t optional = fileHeader + 20;
    std::uint16_t magic = 0;
    if (!in.Read(optional, magic))
        return Fail(error, "optional header cut short");
    if (magic != kMagicPe32 && magic != kMagicPe32Plus)
        return Fail(error, "neither PE32 nor PE32+");
    image.pe32Plus = magic == kMagicPe32Plus;
    const std::uint64_t directoryCountAt = optional + (image.pe32Plus ? 108 : 92);
    const std::uint64_t directories = directoryCountAt + 4;
    std::uint32_t directoryCount = 0;
    if (directories > optional + optionalSize || !in.Read(directoryCountAt, directoryCount))
        return Fail(error, "optional header cut short");
    // Only the directories that the optional header really holds count.
    const std::uint64_t room = (optional + optionalSize - directories) / 8;
    if (directoryCount > room)
        return Fail(error, "more data directories than the optional header holds");

    auto directory = [&](std::uint32_t index, std::uint32_t& rva, std::uint32_t& size) {
        rva = size = 0;
        if (index >= directoryCount)
            return true;
        return in.Read(directories + 8 * index, rva) && in.Read(directories + 8 * index + 4, size);
    };

    std::vector<Section> sections;
    const std::uint64_t sectionTable = optional + optionalSize;
    for (std::uint32_t i = 0; i < sectionCount; ++i) {
        const std::uint64_t at = sectionTable + 40 * static_cast<std::uint64_t>(i);
        Section s{};
        if (!in.Read(at + 8, s.virtualSize) || !in.Read(at + 12, s.virtualAddress) || !in.Read(at + 16, s.rawSize) ||
            !in.Read(at + 20, s.rawOffset))
            return Fail(error, "section table cut short");
        sections.push_back(s);
    }

    std::uint32_t delayRva = 0, delaySize = 0;
    if (!directory(kDelayImportDirectory, delayRva, delaySize))
        return Fail(error, "data directories cut short");
    image.delayImports = delayRva != 0;

    std::uint32_t importRva = 0, importSize = 0;
    if (!directory(kImportDirectory, importRva, importSize))
        return Fail(error, "data directories cut short");
    if (importRva == 0)
        return true;
    std::uint64_t descriptor = 0;
    if (!OffsetOf(sections, importRva, descriptor))
        return Fail(error, "import table outside the sections");
    image.importTableOffset = static_cast<std::size_t>(descriptor);

    const unsigned thunkSize = image.pe32Plus ? 8 : 4;
    const std::uint64_t ordinalFlag = image.pe32Plus ? 1ull << 63 : 1ull << 31;
    for (;; descriptor += 20) {
        std::uint32_t lookupRva = 0, nameRva = 0, addressRva = 0;
        if (!in.Read(descriptor, lookupRva) || !in.Read(descriptor + 12, nameRva) ||
            !in.Read(descriptor + 16, addressRva))
            return Fail(error, "import descriptor cut short");
        if (lookupRva == 0 && nameRva == 0 && addressRva == 0)
            break;
        if (image.imports.size() == kMaxModules)
            return Fail(error, "import descriptors without end");

        ImportedModule module;
        std::uint64_t at = 0;
        if (!OffsetOf(sections, nameRva, at) || !in.String(at, module.name) || module.name.empty())
            return Fail(error, "module name outside the file");
        // The lookup table names the functions; old linkers leave it out
        // and name them in the address table only.
        std::uint64_t thunk = 0;
        if (!OffsetOf(sections, lookupRva != 0 ? lookupRva : addressRva, thunk))
            return Fail(error, "function table outside the sections");
        for (;; thunk += thunkSize) {
            std::uint64_t entry = 0;
            std::uint32_t entry32 = 0;
            const bool read = image.pe32Plus ? in.Read(thunk, entry) : in.Read(thunk, entry32);
            if (!read)
                return Fail(error, "function table cut short");
            if (!image.pe32Plus)
                entry = entry32;
            if (entry == 0)
                break;
            if (module.functions.size() + module.ordinals == kMaxFunctions)
                return Fail(error, "function table without end");
            if (entry & ordinalFlag) {
                ++module.ordinals;
                continue;
            }
            std::string name;
            if (!OffsetOf(sections, entry & 0x7FFFFFFF, at) || !in.String(at + 2, name) || name.empty())
                return Fail(error, "function name outside the file");
            module.functions.push_back(std::move(name));
        }
        image.imports.push_back(std::move(module));
    }
    return true;
}

}  // namespace pe
