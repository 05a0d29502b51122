#pragma once
// Integers as the settings file writes them: optional leading blanks, an optional sign, then
// decimal digits, or hexadecimal digits after "$", "x" or "0x" (either case); nothing may follow.
#include <cstdint>
#include <optional>
#include <string_view>

namespace base {

/// The value, or nothing when the text is not such an integer. A decimal value must fit a signed
/// 32-bit integer; a hexadecimal one may take all 32 bits ("$FFFFFFFF" is -1).
std::optional<std::int32_t> tryParseInteger(std::string_view text);

/// The value; throws notValidInteger(text) when the text is not an integer.
std::int32_t parseInteger(std::string_view text);

}  // namespace base
