// Modal dialogs from templates, with data exchange between members and
// controls.
#pragma once

#include "Wnd.h"

class CDialog;

class CDataExchange {
public:
    CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate) : m_pDlgWnd(pDlgWnd), m_bSaveAndValidate(bSaveAndValidate) {}
    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;  // TRUE: controls to members; FALSE: members to controls
};

class CDialog : public CWnd {
public:
    CDialog(UINT nIDTemplate, CWnd* pParentWnd);

    // Runs the dialog until EndDialog; returns the value given to EndDialog,
    // or -1 when the dialog cannot be created.
    INT_PTR DoModal();
    void EndDialog(INT_PTR nResult) const { ::EndDialog(m_hWnd, nResult); }
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    const CMessageMap* GetMessageMap() const override;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    void CenterOverOwner() const;
};

// A dialog that the user moves by pressing the left button anywhere on its
// background and dragging: the press is passed on as a press on the caption.
// Controls take their own clicks and are not affected.
class CMovableDialog : public CDialog {
public:
    using CDialog::CDialog;

protected:
    const CMessageMap* GetMessageMap() const override;

private:
    void OnLButtonDown(UINT nFlags, POINT point);
};

// Binds a member control to dialog control nID; a control class with a
// message map of its own is subclassed so that it receives its messages.
void DDX_Control(CDataExchange* pDX, int nID, CWnd& control);
// Check box state; a value outside 0 to 2 is shown as unchecked.
void DDX_Check(CDataExchange* pDX, int nID, int& value);
// Trackbar position.
void DDX_Slider(CDataExchange* pDX, int nID, int& value);
