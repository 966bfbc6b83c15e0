// The notification-area tips: "Brisklet Free - " and a text, cut to what
// the tip field holds.
#pragma once

#include <cstddef>
#include <string>

// The tip field holds 63 characters (UTF-16 units) and a terminating zero.
constexpr std::size_t kMaxTipChars = 63;

// "Brisklet Free - " followed by text, cut to kMaxTipChars, never inside a
// character.
std::string ComposeTip(const std::string& text);

// The tip right after the icon is added: the free-RAM label, the free
// kilobytes without group separators and the unit word.
std::string FirstTipText(const std::string& freeRamLabel, unsigned long long freeKb, const std::string& kbUnit);

// The tip of every refresh: the free kilobytes with group separators, the
// unit word and the word for "free".
std::string RefreshedTipText(unsigned long long freeKb, const std::string& kbUnit, const std::string& freeWord);
