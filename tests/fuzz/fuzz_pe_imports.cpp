// The import audit's file reader on any bytes: it reads nothing outside the
// file (the address sanitizer watches) and what it returns is well formed.
#include <cstdint>
#include <vector>

#include "tests/e2e/PeImports.h"
#include "tests/fuzz/Check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<unsigned char> file(data, data + size);
    pe::Image image;
    std::string error;
    if (!pe::ReadImports(file, image, error)) {
        FUZZ_CHECK(!error.empty());
        return 0;
    }
    FUZZ_CHECK(image.importTableOffset < size || (image.importTableOffset == 0 && image.imports.empty()));
    for (const pe::ImportedModule& module : image.imports) {
        FUZZ_CHECK(!module.name.empty() && module.name.size() <= 4096);
        for (const std::string& function : module.functions)
            FUZZ_CHECK(!function.empty() && function.size() <= 4096);
    }
    return 0;
}
