#include "base/integer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "tests/base/error_text.h"
#include "tests/support/cp1251_literals.h"

namespace {

using base_tests::errorText;
using testing_support::cp;

TEST(Integer, AcceptedForms) {
  const struct {
    const char* why;
    std::string text;
    std::int32_t value;
  } rows[] = {
      {.why = "leading blank", .text = " 12", .value = 12},
      {.why = "leading tab and blanks", .text = "\t  5", .value = 5},
      {.why = "minus", .text = "-5", .value = -5},
      {.why = "plus", .text = "+7", .value = 7},
      {.why = "zero", .text = "0", .value = 0},
      {.why = "leading zeros", .text = "007", .value = 7},
      {.why = "a colour: silver", .text = "12632256", .value = 12632256},
      {.why = "largest", .text = "2147483647", .value = std::numeric_limits<std::int32_t>::max()},
      {.why = "smallest", .text = "-2147483648", .value = std::numeric_limits<std::int32_t>::min()},
      {.why = "dollar hex: red", .text = "$FF", .value = 255},
      {.why = "hex digits in small letters", .text = "$ff", .value = 255},
      {.why = "0x prefix", .text = "0xff", .value = 255},
      {.why = "0X prefix", .text = "0XFF", .value = 255},
      {.why = "x prefix", .text = "x1F", .value = 31},
      {.why = "X prefix", .text = "X1f", .value = 31},
      {.why = "sign before hex", .text = "-$10", .value = -16},
      {.why = "blank before hex", .text = " $10", .value = 16},
      {.why = "hex takes all 32 bits", .text = "$FFFFFFFF", .value = -1},
      {.why = "hex system colour", .text = "$80000005", .value = -2147483643},
      {.why = "leading zeros in hex", .text = "$000000001", .value = 1},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(base::tryParseInteger(row.text), row.value) << row.why << ": '" << row.text << "'";
    EXPECT_EQ(base::parseInteger(row.text), row.value) << row.why;
  }
}

TEST(Integer, RejectedForms) {
  const struct {
    const char* why;
    std::string text;
  } rows[] = {
      {.why = "trailing blank", .text = "12 "},
      {.why = "trailing tab", .text = "12\t"},
      {.why = "empty", .text = ""},
      {.why = "only blanks", .text = " "},
      {.why = "letter after digits", .text = "1a"},
      {.why = "blank inside", .text = "1 2"},
      {.why = "blank after sign", .text = "- 5"},
      {.why = "dollar alone", .text = "$"},
      {.why = "0x alone", .text = "0x"},
      {.why = "x alone", .text = "x"},
      {.why = "sign alone", .text = "-"},
      {.why = "two signs", .text = "--1"},
      {.why = "plus minus", .text = "+-1"},
      {.why = "sign after prefix", .text = "0x-1"},
      {.why = "decimal point", .text = "1.5"},
      {.why = "not a hex digit", .text = "$FG"},
      {.why = "decimal above the largest", .text = "2147483648"},
      {.why = "decimal below the smallest", .text = "-2147483649"},
      {.why = "hex beyond 32 bits", .text = "$100000000"},
      {.why = "words", .text = cp("двенадцать")},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(base::tryParseInteger(row.text), std::nullopt) << row.why << ": '" << row.text << "'";
    EXPECT_EQ(errorText([&] { base::parseInteger(row.text); }),
              "'" + testing_support::utf8(row.text) + "' is not a valid integer value")
        << row.why;
  }
}

}  // namespace
