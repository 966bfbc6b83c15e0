// The product's name: the main window's caption, the message boxes'
// caption and the start of every tip.
#pragma once

inline constexpr char kProductName[] = "Brisklet Free";
