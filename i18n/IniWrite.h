// Values written into an INI file's own bytes, at the lines IniGrammar.h
// finds and where CIniText reads them: the first of repeated sections and
// keys. Everything else stays byte for byte: other sections, unknown keys,
// comments, blank lines, the line ends, the encoding and its mark. The file
// is never decoded and encoded again: only what is written is encoded, into
// the file's own units (bytes, or UTF-16 units in either order).
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

// Keys and their values, in the order a new key is added.
using IniValues = std::vector<std::pair<std::string, std::string>>;

// The file's bytes with each key of section holding its value:
// - a key that is there keeps its spelling and place; only its value
//   changes;
// - a missing key is added after the section's last key line (or after its
//   header when it has none), a missing section at the end of the file;
// - an added line ends as the file's first line does (CR, LF or CRLF),
//   else with CRLF; a last line without a line end gets one before
//   anything follows it.
// An empty file becomes what the system's profile functions write: plain
// bytes, "[section]" and "key=value" lines, CRLF.
// Empty when the file cannot be edited safely: UTF-16 of an odd length
// (its last unit is cut short), or a name or value that is not ASCII.
std::optional<std::string> WriteIniValues(const std::string& file, const std::string& section, const IniValues& values);
