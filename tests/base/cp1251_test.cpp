#include "base/cp1251.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/support/cp1251_literals.h"

namespace {

using testing_support::cp;
using testing_support::utf8;

std::string bytesFrom(int first, int last) {
  std::string bytes;
  for (int byte = first; byte <= last; ++byte) bytes += static_cast<char>(byte);
  return bytes;
}

TEST(Cp1251Table, EveryByteRoundTripsThroughUnicode) {
  for (int byte = 0; byte < 256; ++byte) {
    const auto back =
        base::unicodeToCp1251(base::cp1251ToUnicode(static_cast<unsigned char>(byte)));
    ASSERT_EQ(back, std::optional<unsigned char>(byte)) << "byte " << byte;
  }
  const std::string all = bytesFrom(0, 255);
  const auto strict = base::utf8ToCp1251Strict(base::cp1251ToUtf8(all));
  EXPECT_FALSE(strict.badOffset);
  EXPECT_EQ(strict.text, all);
}

TEST(Cp1251Table, BytesBelow0x80AreAscii) {
  for (int byte = 0; byte < 0x80; ++byte)
    EXPECT_EQ(base::cp1251ToUnicode(static_cast<unsigned char>(byte)), char32_t(byte));
}

TEST(Cp1251Table, UpperHalfSpecials) {
  // 0x80 to 0xBF in order; 0x98 is unassigned and stands for U+0098, A0 and AD are the no-break
  // space and the soft hyphen.
  const std::string expected =
      "ЂЃ‚ѓ„…†‡€‰Љ‹ЊЌЋЏ"
      "ђ‘’“”•–—\xC2\x98™љ›њќћџ"
      "\xC2\xA0ЎўЈ¤Ґ¦§Ё©Є«¬\xC2\xAD®Ї"
      "°±Ііґµ¶·ё№є»јЅѕї";
  EXPECT_EQ(utf8(bytesFrom(0x80, 0xBF)), expected);
}

TEST(Cp1251Table, RussianAlphabetFills0xC0To0xFF) {
  EXPECT_EQ(utf8(bytesFrom(0xC0, 0xFF)),
            "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдежзийклмнопрстуфхцчшщъыьэюя");
}

TEST(Cp1251Table, CodePointsOutsideTheTableHaveNoByte) {
  const struct {
    const char* why;
    char32_t codePoint;
  } rows[] = {
      {.why = "U+0080 is no cp1251 character; byte 0x80 is Ђ", .codePoint = 0x0080},
      {.why = "Latin letter with a diacritic", .codePoint = 0x00E9},
      {.why = "Cyrillic letter beyond the table", .codePoint = 0x0460},
      {.why = "smiley", .codePoint = 0x263A},
      {.why = "beyond the basic plane", .codePoint = 0x1F600},
  };
  for (const auto& row : rows) EXPECT_FALSE(base::unicodeToCp1251(row.codePoint)) << row.why;
}

TEST(Utf8ToCp1251, PutsQuestionMarkForWhatCp1251Lacks) {
  const struct {
    const char* why;
    std::string utf8;
    std::string expected;
  } rows[] = {
      {.why = "plain Russian", .utf8 = "Ёлка №5 — «да»", .expected = cp("Ёлка №5 — «да»")},
      {.why = "unknown character", .utf8 = "а☺б", .expected = cp("а") + "?" + cp("б")},
      {.why = "four-byte character", .utf8 = "x😀y", .expected = "x?y"},
      {.why = "lone continuation byte", .utf8 = "x\x80y", .expected = "x?y"},
      {.why = "cut sequence is one character", .utf8 = "x\xE2\x82y", .expected = "x?y"},
      {.why = "cut sequence at the end", .utf8 = "x\xD0", .expected = "x?"},
      {.why = "overlong encoding of /", .utf8 = "\xC0\xAF", .expected = "?"},
      {.why = "encoded surrogate", .utf8 = "\xED\xA0\x80", .expected = "?"},
      {.why = "empty", .utf8 = "", .expected = ""},
  };
  for (const auto& row : rows) EXPECT_EQ(base::utf8ToCp1251(row.utf8), row.expected) << row.why;
}

TEST(Utf8ToCp1251Strict, NamesTheOffsetOfTheFirstBadCharacter) {
  const struct {
    const char* why;
    std::string utf8;
    std::optional<std::size_t> badOffset;
  } rows[] = {
      {.why = "all convertible", .utf8 = "привет", .badOffset = std::nullopt},
      {.why = "empty", .utf8 = "", .badOffset = std::nullopt},
      {.why = "offset counts bytes of the input", .utf8 = "при☺вет☺", .badOffset = 6},
      {.why = "broken sequence", .utf8 = "ab\xFF", .badOffset = 2},
      {.why = "first character", .utf8 = "€☺", .badOffset = 3},
  };
  for (const auto& row : rows) {
    const auto result = base::utf8ToCp1251Strict(row.utf8);
    EXPECT_EQ(result.badOffset, row.badOffset) << row.why;
    if (!row.badOffset) {
      EXPECT_EQ(result.text, cp(row.utf8)) << row.why;
    }
  }
}

}  // namespace
