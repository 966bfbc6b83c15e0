// The launcher's command line: which argument it was given and what that
// argument asks to open. Plain C strings only: the launcher links none of
// the C++ library.
#pragma once

#include <cstddef>

enum class HelperCommand { Empty, Url, Mailto, File, Unknown };

extern const char kUrlPrefix[];     // "/url:"
extern const char kMailtoPrefix[];  // "/mailto:"
extern const char kFilePrefix[];    // "/file:"

// The longest argument the launcher takes (its buffer holds 128 bytes).
constexpr std::size_t kMaxArgumentChars = 127;
// The longest path (a 256-byte buffer).
constexpr std::size_t kMaxLaunchPathChars = 255;

// The argument in a process command line, as WinMain receives it: leading
// blanks and tabs skipped, then the program name (up to its closing quote
// when it starts with one, else up to the first blank or tab), then the
// blanks and tabs after it; the rest, unchanged, is the argument.
const char* ArgumentOf(const char* commandLine);

// What the argument asks for. A prefix counts only at the start, compared
// with case; an argument longer than kMaxArgumentChars is not recognized,
// since a cut one would open something else than was asked for.
HelperCommand ClassifyArgument(const char* argument);

// The text after the argument's prefix.
const char* TargetOf(const char* argument, HelperCommand command);

// The launcher's own directory from its module path: up to and including
// the last backslash. False when there is none or it does not fit.
bool OwnDirectory(const char* modulePath, char* out, std::size_t size);

// The file target: own directory and file name joined. False when the
// result would be longer than a path may be.
bool JoinFileTarget(const char* ownDir, const char* fileName, char* out, std::size_t size);
