// Website, Send Email, Documentation and Readme: each starts the launcher
// beside the program with one argument.
#include "app/HelpText.h"
#include "app/MainDialog.h"
#include "i18n/TextTable.h"

UINT_PTR CMainDialog::RunHelper(const char* argument)
{
    const std::string line = HelperCommandLine(m_szProgramDir, argument);
    // WinExec's error range is below 32; 0 stands for a line that could not
    // be built.
    const UINT result = line.empty() ? 0 : ::WinExec(line.c_str(), SW_SHOWNORMAL);
    if (result >= 32)
        return result;
    return static_cast<UINT_PTR>(
        MessageBox(GetText(TextKey::ErrorRunningExtension).c_str(), kProductName, MB_OK | MB_ICONEXCLAMATION));
}

void CMainDialog::OnWebsite()
{
    RunHelper(kWebsiteArgument);
}

void CMainDialog::OnSendEmail()
{
    RunHelper(kSendEmailArgument);
}

void CMainDialog::OnDocumentation()
{
    RunHelper(kDocumentationArgument);
}

void CMainDialog::OnReadme()
{
    RunHelper(kReadmeArgument);
}
