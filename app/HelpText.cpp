#include "HelpText.h"

#include "framework/Path.h"
#include "framework/Utf8.h"

const char kWebsiteArgument[] = "/url:https://www.brisklet.example/free/";
const char kSendEmailArgument[] = "/mailto:mailto:support@brisklet.example";
const char kDocumentationArgument[] = "/file:bkfr.htm";
const char kReadmeArgument[] = "/file:readme.txt";

std::string HelperCommandLine(const std::string& programDir, const std::string& argument)
{
    if (programDir.empty())
        return std::string();
    std::string line = "\"" + programDir + "helper.exe\" " + argument;
    return Utf16Length(line) <= kMaxPathChars ? line : std::string();
}
