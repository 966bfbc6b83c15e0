#include "TrayTip.h"

#include "framework/Utf8.h"
#include "i18n/TextFormat.h"
#include "resources/Product.h"

std::string ComposeTip(const std::string& text)
{
    return CutToUtf16Units(std::string(kProductName) + " - " + text, kMaxTipChars);
}

std::string FirstTipText(const std::string& freeRamLabel, unsigned long long freeKb, const std::string& kbUnit)
{
    return JoinWords(freeRamLabel, std::to_string(freeKb), kbUnit);
}

std::string RefreshedTipText(unsigned long long freeKb, const std::string& kbUnit, const std::string& freeWord)
{
    return JoinWords(FormatThousands(static_cast<long long>(freeKb)), kbUnit, freeWord);
}
