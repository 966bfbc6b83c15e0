// Control wrappers: each holds only its HWND and forwards to the control's
// messages.
#pragma once

#include "Wnd.h"

#include <commctrl.h>

#include "Text.h"

class CStatic : public CWnd {};

class CButton : public CWnd {};

class CProgressCtrl : public CWnd {
public:
    int SetPos(int nPos) const { return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(nPos), 0)); }
};

class CComboBox : public CWnd {
public:
    void ResetContent() const { SendMessage(CB_RESETCONTENT); }
    // A UTF-8 text.
    int AddString(const std::string& text) const
    {
        return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(text).c_str())));
    }
    int SetCurSel(int nSelect) const
    {
        return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nSelect)));
    }
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
};

class CSliderCtrl : public CWnd {
public:
    int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
};
