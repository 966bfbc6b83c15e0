#include "Dialog.h"

#include <commctrl.h>

#include "WinApp.h"
#include "WorkArea.h"

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

INT_PTR CDialog::DoModal()
{
    HWND parent = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr;
    return ::DialogBoxParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(m_nIDTemplate), parent,
                             &CDialog::StaticDialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    // Everything after WM_INITDIALOG reaches the object through its window
    // procedure; the dialog procedure only asks for default handling.
    if (message != WM_INITDIALOG)
        return FALSE;

    CDialog* dlg = reinterpret_cast<CDialog*>(lParam);
    dlg->SubclassWindow(hWnd);

    RECT before;
    ::GetWindowRect(hWnd, &before);
    BOOL result = FALSE;
    try {
        result = dlg->OnInitDialog();
    } catch (...) {
        result = TRUE;
    }
    RECT after;
    ::GetWindowRect(hWnd, &after);
    if (dlg->m_pParentWnd != nullptr && ::EqualRect(&before, &after))
        dlg->CenterOverOwner();
    return result;
}

void CDialog::CenterOverOwner() const
{
    // Over a visible owner, on the owner's monitor; else in the middle of
    // the primary monitor's work area.
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner != nullptr && (!::IsWindowVisible(owner) || ::IsIconic(owner)))
        owner = nullptr;
    const ScreenRect work = MonitorAreasOf(owner).work;
    RECT over;
    if (owner != nullptr)
        ::GetWindowRect(owner, &over);
    RECT rc;
    GetWindowRect(&rc);
    const ScreenPoint at =
        CenterInside(owner != nullptr ? ToScreenRect(over) : work, rc.right - rc.left, rc.bottom - rc.top, work);
    SetWindowPos(nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

// The map's rows one a line, as a table reads.
// clang-format off
BEGIN_MESSAGE_MAP(CDialog, CWnd)
    OnCommand<&CDialog::OnOK>(IDOK),
    OnCommand<&CDialog::OnCancel>(IDCANCEL),
END_MESSAGE_MAP()
// clang-format on

// The map's rows one a line, as a table reads.
// clang-format off
BEGIN_MESSAGE_MAP(CMovableDialog, CDialog)
    OnMessage<WM_LBUTTONDOWN, &CMovableDialog::OnLButtonDown, Default::After>(),
END_MESSAGE_MAP()
// clang-format on

void CMovableDialog::OnLButtonDown(UINT, POINT point)
{
    PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x & 0xFFFF, point.y & 0xFFFF));
}

void DDX_Control(CDataExchange* pDX, int nID, CWnd& control)
{
    if (control.m_hWnd == nullptr)
        control.BindDlgItem(static_cast<UINT>(nID), pDX->m_pDlgWnd);
}

void DDX_Check(CDataExchange* pDX, int nID, int& value)
{
    HWND hWnd = pDX->m_pDlgWnd->GetDlgItem(nID);
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageW(hWnd, BM_GETCHECK, 0, 0));
    } else {
        if (value < 0 || value > 2)
            value = 0;
        ::SendMessageW(hWnd, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void DDX_Slider(CDataExchange* pDX, int nID, int& value)
{
    HWND hWnd = pDX->m_pDlgWnd->GetDlgItem(nID);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageW(hWnd, TBM_GETPOS, 0, 0));
    else
        ::SendMessageW(hWnd, TBM_SETPOS, TRUE, value);
}
