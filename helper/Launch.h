// The launcher's command line: which argument it was given and what that
// argument asks to open. Plain C strings only: the launcher links none of
// the C++ library. Texts are UTF-8 (the launcher converts the system's
// UTF-16 command line and module path), so that paths outside the ANSI
// code page survive.
#pragma once

#include <cstddef>

enum class HelperCommand { Empty, Url, Mailto, File, Unknown };

extern const char kUrlPrefix[];     // "/url:"
extern const char kMailtoPrefix[];  // "/mailto:"
extern const char kFilePrefix[];    // "/file:"

// Lengths count UTF-16 units, as the system counts characters.
// The longest argument the launcher takes.
constexpr std::size_t kMaxArgumentChars = 127;
// The longest path.
constexpr std::size_t kMaxLaunchPathChars = 255;
// Bytes of UTF-8 a text of n UTF-16 units may take (3 per unit; a pair of
// surrogates takes 4).
constexpr std::size_t Utf8BytesFor(std::size_t units)
{
    return 3 * units;
}

// The argument in a process command line, as WinMain receives it: leading
// blanks and tabs skipped, then the program name (up to its closing quote
// when it starts with one, else up to the first blank or tab), then the
// blanks and tabs after it; the rest, unchanged, is the argument.
const char* ArgumentOf(const char* commandLine);

// What the argument asks for. A prefix counts only at the start, compared
// with case, and only with a target the launcher is for after it:
//   /url:    a web address: "http://" or "https://" (without case) and more,
//            without blanks;
//   /mailto: a mail address: "mailto:" (without case), without blanks;
//   /file:   a document beside the launcher (IsDocumentName).
// Anything else is Unknown, and so is an argument holding a double quote or
// a control character (a quote would end the target inside the handler's
// quoted "%1" and hand it more arguments) or longer than kMaxArgumentChars
// (a cut one would open something else than was asked for).
HelperCommand ClassifyArgument(const char* argument);

// The text after the argument's prefix.
const char* TargetOf(const char* argument, HelperCommand command);

// A name of a file in the launcher's own folder, and nothing else: not
// empty; no drive, folder or stream (no '\\', '/' or ':'); no ".."; none of
// the characters file names cannot hold (< > " | ? * and control
// characters); not ending in '.' or ' ', which the system drops; not a
// device name such as CON, NUL, COM1 or LPT1, which the system finds in
// every folder.
bool IsPlainFileName(const char* name);

// A plain file name (IsPlainFileName) of a document the launcher opens:
// its extension, without case, is ".htm", ".html" or ".txt". A program, a
// script or a folder is never opened, whatever the system would make of
// it. (A list of what not to open, such as PATHEXT, would be set by
// whoever starts the launcher.)
bool IsDocumentName(const char* name);

// The launcher's own directory from its module path: up to and including
// the last backslash. False when there is none or it does not fit.
bool OwnDirectory(const char* modulePath, char* out, std::size_t size);

// The file target: own directory and file name joined. False when the
// result would be longer than a path may be or does not fit.
bool JoinFileTarget(const char* ownDir, const char* fileName, char* out, std::size_t size);

// Whether a UTF-16 text (up to its zero) pairs every surrogate. A lone one
// has no UTF-8 form: the system's conversion would put another character
// in its place, and the launcher would open something else than was asked
// for. A template, so that the launcher passes its wchar_t text and the
// tests their char16_t text.
template <class Unit>
bool IsWellFormedUtf16(const Unit* text)
{
    for (; *text != 0; ++text) {
        const unsigned long unit = static_cast<unsigned long>(*text);
        if (unit >= 0xDC00 && unit <= 0xDFFF)
            return false;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            const unsigned long next = static_cast<unsigned long>(text[1]);
            if (next < 0xDC00 || next > 0xDFFF)
                return false;
            ++text;
        }
    }
    return true;
}
