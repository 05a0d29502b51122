#include "base/text_case.h"

#include <algorithm>
#include <array>

namespace base {

namespace {

constexpr unsigned char kSmallYo = 0xB8;    // ё
constexpr unsigned char kCapitalYo = 0xA8;  // Ё

struct CaseTables {
  std::array<unsigned char, 256> upper{};
  std::array<unsigned char, 256> lower{};
};

constexpr CaseTables makeCaseTables() {
  CaseTables tables;
  for (int byte = 0; byte < 256; ++byte) {
    tables.upper[byte] = static_cast<unsigned char>(byte);
    tables.lower[byte] = static_cast<unsigned char>(byte);
  }
  auto pair = [&tables](int small, int capital) {
    tables.upper[small] = static_cast<unsigned char>(capital);
    tables.lower[capital] = static_cast<unsigned char>(small);
  };
  for (int small = 'a'; small <= 'z'; ++small) pair(small, small - 0x20);
  for (int small = 0xE0; small <= 0xFF; ++small) pair(small, small - 0x20);
  pair(kSmallYo, kCapitalYo);
  return tables;
}

constexpr CaseTables kCase = makeCaseTables();

}  // namespace

char toUpper(char c) { return static_cast<char>(kCase.upper[static_cast<unsigned char>(c)]); }

char toLower(char c) { return static_cast<char>(kCase.lower[static_cast<unsigned char>(c)]); }

std::string toUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = toUpper(c);
  return out;
}

std::string toLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = toLower(c);
  return out;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return toUpper(x) == toUpper(y); });
}

bool isRussianLower(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0xE0 || byte == kSmallYo;
}

}  // namespace base
