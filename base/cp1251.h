#pragma once
// The single-byte Windows-1251 code page. Every layer below desktop/ holds text as std::string of
// cp1251 bytes; these functions convert at the edges (the Qt views, the data converter).
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace base {

/// The Unicode code point of a cp1251 byte. The one unassigned byte, 0x98, maps to U+0098.
char32_t cp1251ToUnicode(unsigned char byte);

/// The cp1251 byte of a code point, or nothing when cp1251 cannot hold it.
std::optional<unsigned char> unicodeToCp1251(char32_t codePoint);

/// cp1251 text as UTF-8.
std::string cp1251ToUtf8(std::string_view text);

/// UTF-8 text as cp1251: a character that cp1251 lacks, or a broken UTF-8 sequence, becomes "?".
std::string utf8ToCp1251(std::string_view utf8);

/// UTF-8 text as cp1251 without substitution: on success `text` holds the conversion and
/// `badOffset` is empty; otherwise `badOffset` is the byte offset in the input of the first
/// character that cp1251 cannot hold (or of the first broken UTF-8 sequence).
struct StrictConversion {
  std::string text;
  std::optional<std::size_t> badOffset;
};
StrictConversion utf8ToCp1251Strict(std::string_view utf8);

/// The program's own texts are written in UTF-8 in the source and held as cp1251: ru("Сказать").
inline std::string ru(std::string_view utf8) { return utf8ToCp1251(utf8); }

}  // namespace base
