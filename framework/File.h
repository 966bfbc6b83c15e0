// Reading whole files by their UTF-8 paths.
#pragma once

#include <cstddef>
#include <string>

enum class FileRead {
    Read,        // the bytes are there
    Missing,     // no such file (or no path at all)
    Unreadable,  // it exists but cannot be read: held open by another
                 // program without sharing, a folder, no permission, too large
};

// Reads the whole file into bytes (at most maxBytes, else Unreadable).
FileRead ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes = 64u << 20);
