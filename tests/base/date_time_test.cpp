#include "base/date_time.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

// The tests run in the C locale, whose short date is MM/DD/YY and long time HH:MM:SS.
TEST(DateTime, LocalTimeInTheLocaleFormats) {
  std::tm local{};
  local.tm_year = 2024 - 1900;
  local.tm_mon = 2;
  local.tm_mday = 5;
  local.tm_hour = 14;
  local.tm_min = 7;
  local.tm_sec = 9;
  local.tm_isdst = -1;
  const std::time_t time = std::mktime(&local);
  EXPECT_EQ(base::formatShortDate(time), "03/05/24");
  EXPECT_EQ(base::formatLongTime(time), "14:07:09");
}

}  // namespace
