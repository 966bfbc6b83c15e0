// Texts and paths are kept in UTF-8 and reach the system as UTF-16: their
// lengths are counted in the system's units.
#pragma once

#include <cstddef>
#include <string>

// The UTF-16 units of a UTF-8 text: one per character, two for a
// character beyond the Basic Multilingual Plane. A malformed byte counts
// as one (the system would show it as one replacement character).
std::size_t Utf16Length(const std::string& utf8);

// The longest beginning of text that takes at most maxUnits UTF-16 units,
// never ending inside a character.
std::string CutToUtf16Units(const std::string& text, std::size_t maxUnits);

// UTF-16 text held as bytes (little- or big-endian, without its mark) in
// UTF-8. A lone surrogate becomes U+FFFD, as the system's conversion puts
// it; an odd last byte is dropped.
std::string Utf8FromUtf16Bytes(const std::string& bytes, bool bigEndian);
