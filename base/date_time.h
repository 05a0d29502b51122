#pragma once
// Dates and times in the user's regional formats: the C library locale's LC_TIME, "%x" for the
// short date and "%X" for the long time, converted to cp1251.
#include <ctime>
#include <string>

namespace base {

std::string formatShortDate(std::time_t time);
std::string formatLongTime(std::time_t time);

}  // namespace base
