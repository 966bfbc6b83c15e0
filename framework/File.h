// Reading and writing whole files by their UTF-8 paths.
#pragma once

#include <windows.h>

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

// For a file that is missing: a save that could not put the old file back
// left it under "NAME.old". When that is a plain file (no link, no folder),
// its bytes are read and it goes back under its name; else Missing.
FileRead ReadLeftBackup(const std::string& path, std::string& bytes);

// ReplaceFileW, or a stand-in of it.
typedef BOOL(WINAPI* ReplaceFileFn)(LPCWSTR replaced, LPCWSTR replacement, LPCWSTR backup, DWORD flags, LPVOID exclude,
                                    LPVOID reserved);

// Makes the file hold exactly bytes, so that a failure leaves the old file
// whole: the bytes go to "NAME.new" beside it, which then replaces it (the
// old one is "NAME.old" for that moment); a missing file is created so.
// Where that cannot be done, the file is written in place, grown first, so
// that a full disk fails before a byte changes: a folder that takes no new
// file; a replace still refused after a few tries (another program holds
// the file); a link (or any reparse point) or a file with other names,
// which so stay one file; "NAME.new" or "NAME.old" found as anything but a
// plain file, which is never touched. False when the bytes are not there.
bool SaveWholeFile(const std::string& path, const std::string& bytes, ReplaceFileFn replace = ::ReplaceFileW);
