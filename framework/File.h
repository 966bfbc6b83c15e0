// Reading and writing whole files by their UTF-8 paths.
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

// Makes the file hold exactly bytes, so that a failure leaves the old file
// whole: the bytes go to "NAME.new" beside it, which then replaces it (the
// old one is "NAME.old" for that moment); a missing file is created so.
// Where the folder takes no new file, the file is written in place, grown
// first, so that a full disk fails before a byte changes. A link (or any
// reparse point) is written in place too, so that it stays one and its
// target gets the bytes. False when the bytes are not there.
bool SaveWholeFile(const std::string& path, const std::string& bytes);
