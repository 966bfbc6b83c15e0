// Numbers and words as the program's texts put them together.
#pragma once

#include <string>

// Decimal text with a comma after every three digits from the right.
std::string FormatThousands(long long value);

// "%s %s %s"
std::string JoinWords(const std::string& first, const std::string& second, const std::string& third);
