#include "base/text_case.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/support/cp1251_literals.h"

namespace {

using testing_support::cp;
using testing_support::utf8;

const std::string kSmall = cp("абвгдеёжзийклмнопрстуфхцчшщъыьэюяabcdefghijklmnopqrstuvwxyz");
const std::string kCapital = cp("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯABCDEFGHIJKLMNOPQRSTUVWXYZ");

TEST(TextCase, EveryRussianAndLatinLetterChangesCase) {
  EXPECT_EQ(utf8(base::toUpper(kSmall)), utf8(kCapital));
  EXPECT_EQ(utf8(base::toLower(kCapital)), utf8(kSmall));
}

TEST(TextCase, OnlyTheLettersChange) {
  const std::set<char> letters(kSmall.begin(), kSmall.end());
  const std::set<char> capitals(kCapital.begin(), kCapital.end());
  for (int byte = 0; byte < 256; ++byte) {
    const char c = static_cast<char>(byte);
    EXPECT_EQ(base::toUpper(c) != c, letters.contains(c)) << "byte " << byte;
    EXPECT_EQ(base::toLower(c) != c, capitals.contains(c)) << "byte " << byte;
  }
}

TEST(TextCase, RussianLowerIsExactlyTheCapitalisationTable) {
  const std::string russianSmall = cp("абвгдеёжзийклмнопрстуфхцчшщъыьэюя");
  const std::set<char> table(russianSmall.begin(), russianSmall.end());
  for (int byte = 0; byte < 256; ++byte) {
    const char c = static_cast<char>(byte);
    EXPECT_EQ(base::isRussianLower(c), table.contains(c)) << "byte " << byte;
  }
}

TEST(TextCase, EqualsIgnoringCase) {
  const struct {
    const char* why;
    std::string a;
    std::string b;
    bool equal;
  } rows[] = {
      {.why = "Russian", .a = cp("Привет"), .b = cp("пРИВЕТ"), .equal = true},
      {.why = "ё pairs with Ё", .a = cp("ёж"), .b = cp("ЁЖ"), .equal = true},
      {.why = "ё is not е", .a = cp("ёж"), .b = cp("ЕЖ"), .equal = false},
      {.why = "Latin", .a = "Words.dat", .b = "WORDS.DAT", .equal = true},
      {.why = "Ukrainian і is outside the table", .a = cp("і"), .b = cp("І"), .equal = false},
      {.why = "prefix only", .a = "ab", .b = "a", .equal = false},
      {.why = "both empty", .a = "", .b = "", .equal = true},
  };
  for (const auto& row : rows)
    EXPECT_EQ(base::equalsIgnoringCase(row.a, row.b), row.equal) << row.why;
}

}  // namespace
