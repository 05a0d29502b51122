#include "base/integer.h"

#include <cstdint>
#include <limits>

#include "base/errors.h"

namespace base {

namespace {

std::optional<int> hexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return std::nullopt;
}

// The magnitude of the digits, or nothing when a character is not a digit of the base or the
// value exceeds `limit`. Leading zeros are allowed, since only the value counts.
std::optional<std::uint64_t> readMagnitude(std::string_view digits, int radix,
                                           std::uint64_t limit) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : digits) {
    const auto digit = hexDigitValue(c);
    if (!digit || *digit >= radix) return std::nullopt;
    value = value * radix + *digit;
    if (value > limit) return std::nullopt;
  }
  return value;
}

bool startsWithHexPrefix(std::string_view text, std::string_view& digits) {
  if (!text.empty() && (text[0] == '$' || text[0] == 'x' || text[0] == 'X')) {
    digits = text.substr(1);
    return true;
  }
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    digits = text.substr(2);
    return true;
  }
  return false;
}

}  // namespace

std::optional<std::int32_t> tryParseInteger(std::string_view text) {
  const auto firstNonBlank = text.find_first_not_of(" \t");
  if (firstNonBlank == std::string_view::npos) return std::nullopt;
  std::string_view rest = text.substr(firstNonBlank);

  bool negative = false;
  if (rest[0] == '+' || rest[0] == '-') {
    negative = rest[0] == '-';
    rest.remove_prefix(1);
  }

  std::string_view hexDigits;
  if (startsWithHexPrefix(rest, hexDigits)) {
    // A hexadecimal value fills the 32 bits as they stand: $FFFFFFFF is -1.
    const auto magnitude = readMagnitude(hexDigits, 16, std::numeric_limits<std::uint32_t>::max());
    if (!magnitude) return std::nullopt;
    auto bits = static_cast<std::uint32_t>(*magnitude);
    if (negative) bits = 0u - bits;
    return static_cast<std::int32_t>(bits);
  }

  const std::uint64_t limit =
      negative ? std::uint64_t{1} << 31 : std::numeric_limits<std::int32_t>::max();
  const auto magnitude = readMagnitude(rest, 10, limit);
  if (!magnitude) return std::nullopt;
  const auto value = static_cast<std::int64_t>(*magnitude);
  return static_cast<std::int32_t>(negative ? -value : value);
}

std::int32_t parseInteger(std::string_view text) {
  const auto value = tryParseInteger(text);
  if (!value) throw notValidInteger(text);
  return *value;
}

}  // namespace base
