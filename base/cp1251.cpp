#include "base/cp1251.h"

#include <algorithm>
#include <array>
#include <utility>

namespace base {

namespace {

// Code points of the bytes 0x80 to 0xBF; 0xC0 to 0xFF are А..я in Unicode order (U+0410..U+044F).
constexpr std::array<char32_t, 64> kUpperHalfSpecials = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // 0xB8
};

constexpr char32_t kFirstCyrillicLetter = 0x0410;  // А, byte 0xC0
constexpr char32_t kLastCyrillicLetter = 0x044F;   // я, byte 0xFF

using SpecialEntry = std::pair<char32_t, unsigned char>;

// The specials sorted by code point, for the way back.
const std::array<SpecialEntry, 64>& specialsByCodePoint() {
  static const auto table = [] {
    std::array<SpecialEntry, 64> sorted{};
    for (std::size_t i = 0; i < kUpperHalfSpecials.size(); ++i)
      sorted[i] = {kUpperHalfSpecials[i], static_cast<unsigned char>(0x80 + i)};
    std::sort(sorted.begin(), sorted.end());
    return sorted;
  }();
  return table;
}

struct Decoded {
  std::optional<char32_t> codePoint;  // empty for a broken sequence
  std::size_t length;                 // bytes consumed, at least 1
};

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// One UTF-8 character at `pos`. A broken sequence consumes its lead byte and the continuation
// bytes that were still valid, so one broken character becomes one "?".
Decoded decodeUtf8(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) return {lead, 1};
  std::size_t length;
  char32_t value;
  char32_t minimum;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, value = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, value = lead & 0x07, minimum = 0x10000;
  } else {
    return {std::nullopt, 1};
  }
  for (std::size_t i = 1; i < length; ++i) {
    if (pos + i >= text.size() || !isContinuation(static_cast<unsigned char>(text[pos + i])))
      return {std::nullopt, i};
    value = (value << 6) | (static_cast<unsigned char>(text[pos + i]) & 0x3F);
  }
  const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
  if (value < minimum || value > 0x10FFFF || surrogate) return {std::nullopt, length};
  return {value, length};
}

void appendUtf8(std::string& out, char32_t codePoint) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

// Converts until the first character cp1251 cannot hold; returns its offset, or nothing.
template <typename OnBad>
std::optional<std::size_t> convertUtf8(std::string_view utf8, std::string& out, OnBad onBad) {
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[pos]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      ++pos;
      continue;
    }
    const Decoded decoded = decodeUtf8(utf8, pos);
    const auto byte = decoded.codePoint ? unicodeToCp1251(*decoded.codePoint) : std::nullopt;
    if (byte) {
      out += static_cast<char>(*byte);
    } else if (!onBad(out)) {
      return pos;
    }
    pos += decoded.length;
  }
  return std::nullopt;
}

}  // namespace

char32_t cp1251ToUnicode(unsigned char byte) {
  if (byte < 0x80) return byte;
  if (byte < 0xC0) return kUpperHalfSpecials[byte - 0x80];
  return kFirstCyrillicLetter + (byte - 0xC0);
}

std::optional<unsigned char> unicodeToCp1251(char32_t codePoint) {
  if (codePoint < 0x80) return static_cast<unsigned char>(codePoint);
  if (codePoint >= kFirstCyrillicLetter && codePoint <= kLastCyrillicLetter)
    return static_cast<unsigned char>(0xC0 + (codePoint - kFirstCyrillicLetter));
  const auto& specials = specialsByCodePoint();
  const auto found =
      std::lower_bound(specials.begin(), specials.end(), codePoint,
                       [](const SpecialEntry& e, char32_t c) { return e.first < c; });
  if (found != specials.end() && found->first == codePoint) return found->second;
  return std::nullopt;
}

std::string cp1251ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (const char c : text) appendUtf8(out, cp1251ToUnicode(static_cast<unsigned char>(c)));
  return out;
}

std::string utf8ToCp1251(std::string_view utf8) {
  std::string out;
  convertUtf8(utf8, out, [](std::string& text) {
    text += '?';
    return true;
  });
  return out;
}

StrictConversion utf8ToCp1251Strict(std::string_view utf8) {
  StrictConversion result;
  result.badOffset = convertUtf8(utf8, result.text, [](std::string&) { return false; });
  if (result.badOffset) result.text.clear();
  return result;
}

}  // namespace base
