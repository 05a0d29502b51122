#pragma once
// The settings file "Data base\ini\Config.ini", read whole into the hidden list ConfigFile and
// addressed by row number: row N is line N of the file, whatever it holds. A line is key "="
// value, split at the first "=" (further "=" belong to the value); a line without "=" has no key
// and is all value. Nothing is trimmed. Only the exchange-file path is written back, by its key.
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/control.h"
#include "toolkit/font.h"
#include "toolkit/line_list.h"

namespace shell {

class Settings {
 public:
  /// The path as the program spells it, and as its messages quote it.
  static constexpr std::string_view kPath = "Data base\\ini\\Config.ini";

  explicit Settings(toolkit::LineList& ConfigFile) : configFile_(ConfigFile) {}

  /// Replaces the whole list by the file's lines. Throws "Cannot open file Data
  /// base\ini\Config.ini" when the file cannot be read; the list is then unchanged.
  void Load();

  /// The value of row `row` (1-based). On an empty list every row reads as empty text; on a
  /// non-empty list shorter than `row` throws "List index out of bounds (row - 1)".
  std::string ConfigValue(int row) const;

  /// Replaces the first line whose key equals `key` ignoring case by key "=" value, in its place
  /// (the key written as passed), or appends it as the last line when no line has that key; then
  /// writes the whole list to the file, atomically and under the file's lock. An empty value keeps
  /// its line ("Adres="), so the rows after it keep their numbers. Throws "Cannot create file
  /// Data base\ini\Config.ini" when the file cannot be written; the list keeps the new line.
  void SaveConfigValue(const std::string& key, const std::string& value);

  /// A switch row (3 or 4), upper-cased with the Russian mapping, untrimmed: "yes" reads "YES",
  /// "YES " reads "YES ". Fails like ConfigValue.
  std::string SwitchValue(int row) const;

  /// A colour or size row as an integer; throws "'%s' is not a valid integer value" with the
  /// row's value when it is not one, or fails like ConfigValue.
  int IntegerValue(int row) const;

  /// A style row: the font style of the style text it matches ignoring case ("[]", "[fsItalic]",
  /// "[fsBold]", "[fsBold,fsItalic]"), or nothing for any other text, which leaves the style as
  /// it was. Fails like ConfigValue.
  std::optional<toolkit::FontStyle> StyleValue(int row) const;

  /// The style text's font style, or nothing when it is none of the four.
  static std::optional<toolkit::FontStyle> parseStyle(std::string_view text);

 private:
  toolkit::LineList& configFile_;
};

}  // namespace shell
