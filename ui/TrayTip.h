// The notification-area tips: "Brisklet Free - " and a text, cut to what
// the tip field holds.
#pragma once

#include <cstddef>
#include <string>

// The tip field holds 63 characters and a terminating zero.
constexpr std::size_t kMaxTipChars = 63;

// "Brisklet Free - " followed by text, cut to kMaxTipChars.
std::string ComposeTip(const std::string& text);

// Copies a tip into the 64-byte field of the notification record.
void CopyTip(const std::string& tip, char (&field)[kMaxTipChars + 1]);

// The tip right after the icon is added: the free-RAM label, the free
// kilobytes without group separators and the unit word.
std::string FirstTipText(const std::string& freeRamLabel, unsigned long long freeKb, const std::string& kbUnit);

// The tip of every refresh: the free kilobytes with group separators, the
// unit word and the word for "free".
std::string RefreshedTipText(unsigned long long freeKb, const std::string& kbUnit, const std::string& freeWord);
