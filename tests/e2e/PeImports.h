// The import table of a Windows program, read from the file itself (PE32
// and PE32+).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pe {

// IMAGE_FILE_LARGE_ADDRESS_AWARE in the file header's characteristics.
constexpr std::uint16_t kLargeAddressAware = 0x0020;

struct ImportedModule {
    std::string name;                    // as the file spells it
    std::vector<std::string> functions;  // imported by name
    std::size_t ordinals = 0;            // imported by number
};

struct Image {
    bool pe32Plus = false;  // a 64-bit program
    std::uint16_t machine = 0;
    std::uint16_t characteristics = 0;
    bool delayImports = false;          // a delay-load table is present
    std::size_t importTableOffset = 0;  // file offset of the first import descriptor; 0: none
    std::vector<ImportedModule> imports;
};

// Reads the headers and the import table of a file held in memory. Every
// read is checked against the file's end and every list against a limit:
// a damaged or cut file gives false and a reason, never a read outside it.
bool ReadImports(const std::vector<unsigned char>& file, Image& image, std::string& error);

}  // namespace pe
