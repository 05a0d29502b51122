// kbconv: converts the text files delivered with the program between the form kept in the
// repository (UTF-8, LF) and the form the program reads (cp1251, CR LF after every line).
//
//   kbconv to-cp1251 IN OUT   refuses a character cp1251 cannot hold, naming file and line
//   kbconv to-utf8 IN OUT
//
// Nothing is written unless the whole input converts. Exit status: 0 done, 1 refused or failed,
// 2 wrong usage.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "base/cp1251.h"
#include "base/list_file.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::optional<std::string> readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool writeBytes(const fs::path& path, const std::string& bytes) {
  std::error_code ignored;
  if (path.has_parent_path()) fs::create_directories(path.parent_path(), ignored);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}

// The code point at `offset` for the message, or nothing when the UTF-8 there is broken.
std::optional<char32_t> codePointAt(std::string_view text, std::size_t offset) {
  const auto lead = static_cast<unsigned char>(text[offset]);
  const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || offset + length > text.size()) return std::nullopt;
  char32_t value = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[offset + i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    value = (value << 6) | (next & 0x3F);
  }
  return value;
}

std::string describeRefusal(std::string_view line, std::size_t offset) {
  const auto codePoint = codePointAt(line, offset);
  if (!codePoint) return "broken UTF-8 sequence";
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(*codePoint));
  return "character " + std::string(code) + " cannot be written in cp1251";
}

int refuse(const std::string& in, std::size_t lineNumber, const std::string& why) {
  std::fprintf(stderr, "%s:%zu: %s\n", in.c_str(), lineNumber, why.c_str());
  return 1;
}

int fail(const std::string& file, const char* what) {
  std::fprintf(stderr, "%s: %s\n", file.c_str(), what);
  return 1;
}

int toCp1251(const std::string& in, const std::string& out) {
  auto bytes = readBytes(in);
  if (!bytes) return fail(in, "cannot be read");
  std::string_view text = *bytes;
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  if (const auto nul = text.find('\0'); nul != std::string_view::npos) {
    const auto lineNumber = std::count(text.begin(), text.begin() + nul, '\n') + 1;
    return refuse(in, static_cast<std::size_t>(lineNumber),
                  "a NUL byte would end the text for the program");
  }
  std::string converted;
  converted.reserve(text.size());
  std::size_t lineNumber = 0;
  for (const auto& line : base::splitLines(text)) {
    ++lineNumber;
    const auto conversion = base::utf8ToCp1251Strict(line);
    if (conversion.badOffset)
      return refuse(in, lineNumber, describeRefusal(line, *conversion.badOffset));
    converted += conversion.text;
    converted += "\r\n";
  }
  if (!writeBytes(out, converted)) return fail(out, "cannot be written");
  return 0;
}

int toUtf8(const std::string& in, const std::string& out) {
  const auto bytes = readBytes(in);
  if (!bytes) return fail(in, "cannot be read");
  std::string converted;
  converted.reserve(bytes->size() * 2);
  for (const auto& line : base::splitLines(*bytes)) {
    converted += base::cp1251ToUtf8(line);
    converted += '\n';
  }
  if (!writeBytes(out, converted)) return fail(out, "cannot be written");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4) {
    const std::string_view direction = argv[1];
    if (direction == "to-cp1251") return toCp1251(argv[2], argv[3]);
    if (direction == "to-utf8") return toUtf8(argv[2], argv[3]);
  }
  std::fprintf(stderr, "usage: kbconv to-cp1251|to-utf8 IN OUT\n");
  return 2;
}
