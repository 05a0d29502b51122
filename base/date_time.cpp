#include "base/date_time.h"

#include <array>

#include "base/cp1251.h"

namespace base {

namespace {

// The locale's text is UTF-8 (or plain ASCII in the C locale); the program's is cp1251.
std::string formatLocal(std::time_t time, const char* format) {
  std::tm local{};
  if (::localtime_r(&time, &local) == nullptr) return {};
  std::array<char, 256> buffer{};
  const std::size_t length = std::strftime(buffer.data(), buffer.size(), format, &local);
  return utf8ToCp1251(std::string_view(buffer.data(), length));
}

}  // namespace

std::string formatShortDate(std::time_t time) { return formatLocal(time, "%x"); }

std::string formatLongTime(std::time_t time) { return formatLocal(time, "%X"); }

}  // namespace base
