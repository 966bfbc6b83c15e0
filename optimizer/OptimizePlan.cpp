#include "OptimizePlan.h"

std::string StepTitle(unsigned long long sizeBytes)
{
    return "Freeing " + std::to_string(sizeBytes >> 20) + " Meg";
}

void TouchBlock(void* block, std::size_t size)
{
    unsigned char* p = static_cast<unsigned char*>(block);
    unsigned char* const end = p + size;
    // Blocks from the system are aligned; any other start is brought to a
    // word boundary byte by byte first.
    while (p != end && reinterpret_cast<std::uintptr_t>(p) % sizeof(std::uintptr_t) != 0)
        *p++ = 0;
    std::uintptr_t* word = reinterpret_cast<std::uintptr_t*>(p);
    const std::size_t words = static_cast<std::size_t>(end - p) / sizeof(std::uintptr_t);
    for (std::size_t i = 0; i < words; ++i)
        word[i] = 0;
    for (p = reinterpret_cast<unsigned char*>(word + words); p != end; ++p)
        *p = 0;
}
