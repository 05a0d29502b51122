#include "shell/settings.h"

#include <algorithm>
#include <array>
#include <utility>

#include "base/integer.h"
#include "base/list_file.h"
#include "base/text_case.h"

namespace shell {

namespace {

/// The key of a line, or nothing for a line without "=".
std::optional<std::string_view> keyOf(std::string_view line) {
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return line.substr(0, equals);
}

std::string valueOf(std::string_view line) {
  const auto equals = line.find('=');
  return std::string(equals == std::string_view::npos ? line : line.substr(equals + 1));
}

}  // namespace

void Settings::Load() { configFile_.loadFromFile(kPath); }

std::string Settings::ConfigValue(int row) const {
  if (configFile_.empty()) return {};
  return valueOf(configFile_.get(static_cast<long long>(row) - 1));
}

void Settings::SaveConfigValue(const std::string& key, const std::string& value) {
  const std::string line = key + "=" + value;
  const auto& lines = configFile_.lines();
  const auto found = std::find_if(lines.begin(), lines.end(), [&key](const std::string& each) {
    const auto lineKey = keyOf(each);
    return lineKey && base::equalsIgnoringCase(*lineKey, key);
  });
  if (found == lines.end())
    configFile_.add(line);
  else
    configFile_.set(found - lines.begin(), line);
  // A second copy of the program may be saving its own path at the same moment.
  base::FileLock lock(kPath);
  configFile_.saveToFile(kPath);
}

std::string Settings::SwitchValue(int row) const { return base::toUpper(ConfigValue(row)); }

int Settings::IntegerValue(int row) const { return base::parseInteger(ConfigValue(row)); }

std::optional<toolkit::FontStyle> Settings::StyleValue(int row) const {
  return parseStyle(ConfigValue(row));
}

std::optional<toolkit::FontStyle> Settings::parseStyle(std::string_view text) {
  using toolkit::FontStyle;
  static const std::array<std::pair<std::string_view, FontStyle>, 4> kStyleTexts{{
      {"[]", FontStyle::Regular},
      {"[fsItalic]", FontStyle::Italic},
      {"[fsBold]", FontStyle::Bold},
      {"[fsBold,fsItalic]", FontStyle::BoldItalic},
  }};
  for (const auto& [styleText, style] : kStyleTexts)
    if (base::equalsIgnoringCase(text, styleText)) return style;
  return std::nullopt;
}

}  // namespace shell
