// The About box: version, notice line and disclaimer, in English whatever
// the language.
#pragma once

#include "framework/Afx.h"

class CAboutDialog : public CDialog {
public:
    explicit CAboutDialog(CWnd* pParent);
    BOOL OnInitDialog() override;
};

extern const char kAboutDisclaimer[];
extern const char kAboutVersion[];
extern const char kAboutNotice[];
