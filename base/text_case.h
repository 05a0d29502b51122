#pragma once
// Letter case of cp1251 text: the 32 Russian pairs а-я/А-Я (0xE0-0xFF / 0xC0-0xDF), ё/Ё (0xB8/0xA8)
// and the Latin letters. No other byte changes.
#include <string>
#include <string_view>

namespace base {

char toUpper(char c);
char toLower(char c);
std::string toUpper(std::string_view text);
std::string toLower(std::string_view text);

/// Both texts upper-cased, then compared for equality.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

/// Only the Russian table of phrase capitalisation: true for the 33 lower-case Russian letters.
bool isRussianLower(char c);

}  // namespace base
