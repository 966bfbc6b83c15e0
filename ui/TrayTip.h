// The notification-area tip field.
#pragma once

#include <cstddef>

// The tip field holds 63 characters (UTF-16 units) and a terminating zero.
constexpr std::size_t kMaxTipChars = 63;
