#include "TrayTip.h"

#include <cstring>

#include "i18n/TextFormat.h"
#include "resources/Product.h"

std::string ComposeTip(const std::string& text)
{
    return (std::string(kProductName) + " - " + text).substr(0, kMaxTipChars);
}

void CopyTip(const std::string& tip, char (&field)[kMaxTipChars + 1])
{
    const std::size_t length = tip.size() < kMaxTipChars ? tip.size() : kMaxTipChars;
    std::memcpy(field, tip.data(), length);
    field[length] = '\0';
}

std::string FirstTipText(const std::string& freeRamLabel, unsigned long long freeKb, const std::string& kbUnit)
{
    return JoinWords(freeRamLabel, std::to_string(freeKb), kbUnit);
}

std::string RefreshedTipText(unsigned long long freeKb, const std::string& kbUnit, const std::string& freeWord)
{
    return JoinWords(FormatThousands(static_cast<long long>(freeKb)), kbUnit, freeWord);
}
