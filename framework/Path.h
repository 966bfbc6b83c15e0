// File paths as the program builds them, in UTF-8: at most 255 characters
// (UTF-16 units), as the system's path buffers take them.
#pragma once

#include <cstddef>
#include <string>

constexpr std::size_t kMaxPathChars = 255;

// The directory part of a path, up to and including its last backslash;
// empty when the path holds no backslash.
std::string DirectoryOf(const std::string& path);

// Directory and file name joined as they are (the directory ends in a
// backslash, or is empty). Empty when the result would be longer than a
// path may be: such a path names no file.
std::string JoinPath(const std::string& directory, const std::string& fileName);
