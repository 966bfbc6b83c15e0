#include "AboutDialog.h"

#include "resources/resource.h"

const char kAboutDisclaimer[] =
    "Brisklet for Win9x/ME/NT/2000/XP is provided as is. The author disclaims all warranties, expressed or "
    "implied, including, without limitation, the warranties of merchantability and of fitness for any purpose. "
    "The author assumes no liability for damages, direct or consequential, which may result from the use of "
    "Brisklet.";
const char kAboutVersion[] = "Version 2.5";
const char kAboutNotice[] = "Brisklet Free Copyright (C) 2002-2026 Brisklet Software";

CAboutDialog::CAboutDialog(CWnd* pParent) : CDialog(IDD_ABOUT, pParent) {}

BOOL CAboutDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_ABOUT_DISCLAIMER, kAboutDisclaimer);
    SetDlgItemText(IDC_ABOUT_VERSION, kAboutVersion);
    SetDlgItemText(IDC_ABOUT_NOTICE, kAboutNotice);
    return TRUE;
}
