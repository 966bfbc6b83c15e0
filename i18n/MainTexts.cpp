// Loading the main window's texts from the current language file.
#include <string>

#include "app/MainDialog.h"
#include "i18n/Language.h"
#include "i18n/TextTable.h"

void CMainDialog::LoadMainTexts()
{
    HMENU menu = GetMenu();
    const CLanguageFile file(ResolveLanguageFile());
    for (std::size_t i = 0; i < kMainTextCount; ++i) {
        const TextRow& row = kMainTexts[i];
        const std::string text = file.GetString(row.section, row.key, row.defaultText);
        SetText(static_cast<TextKey>(i), text);
        switch (row.target) {
        case TextTarget::Control:
            SetDlgItemText(static_cast<int>(row.id), text.c_str());
            break;
        case TextTarget::MenuPosition:
            ::ModifyMenuA(menu, row.id, MF_BYPOSITION | MF_STRING, 0, text.c_str());
            break;
        case TextTarget::MenuCommand:
            ::ModifyMenuA(menu, row.id, MF_BYCOMMAND | MF_STRING, row.id, text.c_str());
            break;
        case TextTarget::Caption:
        case TextTarget::Stored:
            break;
        }
    }
    // Redraws the menu bar with the new captions.
    SetMenu(menu);
}
