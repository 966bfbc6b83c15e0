#include "MainTexts.h"

#include "framework/Text.h"
#include "i18n/Language.h"

void ApplyText(HWND window, HMENU menu, const TextRow& row, const std::string& text)
{
    const std::wstring wide = Widen(text);
    switch (row.target) {
    case TextTarget::Control:
        ::SetDlgItemTextW(window, static_cast<int>(row.id), wide.c_str());
        break;
    case TextTarget::Caption:
        ::SetWindowTextW(window, wide.c_str());
        break;
    case TextTarget::MenuPosition:
        // Only the caption changes; the drop-down menu stays attached.
        ::ModifyMenuW(menu, row.id, MF_BYPOSITION | MF_STRING, 0, wide.c_str());
        break;
    case TextTarget::MenuCommand:
        ::ModifyMenuW(menu, row.id, MF_BYCOMMAND | MF_STRING, row.id, wide.c_str());
        break;
    case TextTarget::Stored:
        break;
    }
}

void LoadMainTexts(HWND window)
{
    HMENU menu = ::GetMenu(window);
    const CLanguageFile file(ResolveLanguageFile());
    for (std::size_t i = 0; i < kMainTextCount; ++i) {
        const TextRow& row = kMainTexts[i];
        const std::string text = file.GetString(row.section, row.key, row.defaultText);
        SetText(static_cast<TextKey>(i), text);
        ApplyText(window, menu, row, text);
    }
    // Redraws the menu bar with the new captions.
    ::SetMenu(window, menu);
}
