// The launcher's command line as the main program builds it.
#include <gtest/gtest.h>

#include "app/HelpText.h"

TEST(HelperCommandLine, QuotesThePathSoThatBlanksWork)
{
    EXPECT_EQ("\"C:\\Tools\\helper.exe\" /file:readme.txt", HelperCommandLine("C:\\Tools\\", kReadmeArgument));
    EXPECT_EQ("\"C:\\Program Files\\Brisklet Free\\helper.exe\" /file:bkfr.htm",
              HelperCommandLine("C:\\Program Files\\Brisklet Free\\", kDocumentationArgument));
    EXPECT_EQ(0u, std::string(kSendEmailArgument).find("/mailto:mailto:"));
    EXPECT_EQ(0u, std::string(kWebsiteArgument).find("/url:https://"));
}

TEST(HelperCommandLine, RefusesWhatWouldStartTheWrongProgram)
{
    // No directory: the system would search the path for "helper.exe".
    EXPECT_EQ("", HelperCommandLine("", kReadmeArgument));
    // Too long for the 256-byte line: nothing is cut, nothing is started.
    const std::string dir = "C:\\" + std::string(240, 'd') + "\\";
    EXPECT_EQ("", HelperCommandLine(dir, kReadmeArgument));
    const std::string fits = "C:\\" + std::string(255 - 3 - 1 - 13 - 16, 'd') + "\\";
    EXPECT_EQ(255u, HelperCommandLine(fits, kReadmeArgument).size());
}
