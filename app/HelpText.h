// The Help commands' arguments for the launcher, and its command line.
#pragma once

#include <string>

extern const char kWebsiteArgument[];
extern const char kSendEmailArgument[];
extern const char kDocumentationArgument[];
extern const char kReadmeArgument[];

// The command line that starts "helper.exe" in the program's directory with
// one argument. The path is quoted, so a directory with blanks starts the
// right program. Empty when the directory is unknown or the line would not
// fit in 255 characters: then no program is started at all.
std::string HelperCommandLine(const std::string& programDir, const std::string& argument);
