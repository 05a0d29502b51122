// The settings file: rows by position, key and value split at the first "=", nothing trimmed, the
// switch, integer and style forms, the write-back by key, and the four failures.
#include "shell/settings.h"

#include <filesystem>
#include <optional>

#include "base/list_file.h"
#include "tests/shell/shell_fixture.h"

namespace shell_testing {
namespace {

using toolkit::FontStyle;
using namespace std::string_literals;

class SettingsTest : public ShellTest {
 protected:
  /// Writes the rows as the settings file and loads it.
  void load(const std::vector<std::string>& utf8Rows) {
    writeSettings(utf8Rows);
    config.Load();
  }

  toolkit::LineList ConfigFile;
  shell::Settings config{ConfigFile};
};

struct ValueCase {
  const char* why;
  std::vector<std::string> rows;
  int row;
  std::string value;
};

TEST_F(SettingsTest, RowsReadByPosition) {
  const ValueCase cases[] = {
      {.why = "only the first = separates key from value",
       .rows = settingsRows({{31, "Adres=C:\\a=b.dat"}}),
       .row = 31,
       .value = "C:\\a=b.dat"},
      {.why = "a line without = is all value",
       .rows = settingsRows({{7, "12632256"}}),
       .row = 7,
       .value = "12632256"},
      {.why = "blanks belong to the key and the value",
       .rows = settingsRows({{4, " Sound = yes "}}),
       .row = 4,
       .value = " yes "},
      {.why = "a line beginning with = has an empty key",
       .rows = settingsRows({{3, "=NO"}}),
       .row = 3,
       .value = "NO"},
      {.why = "an empty line is a row like any other",
       .rows = {"a=1", "", "c=3"},
       .row = 3,
       .value = "3"},
      {.why = "Russian text is kept as it is", .rows = {"Имя=Борис"}, .row = 1, .value = "Борис"},
      {.why = "an empty file reads empty in row 1", .rows = {}, .row = 1, .value = ""},
      {.why = "an empty file reads empty in row 31", .rows = {}, .row = 31, .value = ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    load(c.rows);
    EXPECT_EQ(utf8(config.ConfigValue(c.row)), c.value);
  }
}

TEST_F(SettingsTest, LineEndsAndTheEndOfTheText) {
  folder.writeBytes("Data base/ini/Config.ini", "a=1\nb=2\rc=3\r\n\r\nd=4\0e=5"s);
  config.Load();
  EXPECT_EQ(ConfigFile.lines(), (std::vector<std::string>{"a=1", "b=2", "c=3", "", "d=4"}));
}

struct FailureCase {
  const char* why;
  std::vector<std::string> rows;
  std::function<void(const shell::Settings&)> read;
  std::string message;
};

TEST_F(SettingsTest, RowFailures) {
  const auto allRows = settingsRows();
  const std::vector<std::string> twentyRows(allRows.begin(), allRows.begin() + 20);
  const FailureCase cases[] = {
      {.why = "a row past the end of a 20-line file gives the row's index",
       .rows = twentyRows,
       .read = [](const shell::Settings& s) { s.ConfigValue(21); },
       .message = "List index out of bounds (20)"},
      {.why = "a switch past the end of a 3-line file",
       .rows = {"a", "b", "c"},
       .read = [](const shell::Settings& s) { s.SwitchValue(4); },
       .message = "List index out of bounds (3)"},
      {.why = "an empty colour in an empty file",
       .rows = {},
       .read = [](const shell::Settings& s) { s.IntegerValue(7); },
       .message = "'' is not a valid integer value"},
      {.why = "nothing may follow the digits",
       .rows = settingsRows({{21, "UserFontSize=8 "}}),
       .read = [](const shell::Settings& s) { s.IntegerValue(21); },
       .message = "'8 ' is not a valid integer value"},
      {.why = "a colour name is no integer",
       .rows = settingsRows({{7, "WindowColor=серебро"}}),
       .read = [](const shell::Settings& s) { s.IntegerValue(7); },
       .message = "'серебро' is not a valid integer value"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    load(c.rows);
    EXPECT_EQ(failureOf([&] { c.read(config); }), c.message);
  }
}

TEST_F(SettingsTest, IntegerRows) {
  const struct {
    const char* why;
    std::string value;
    int expected;
  } cases[] = {
      {.why = "silver in decimal", .value = "12632256", .expected = 12632256},
      {.why = "hexadecimal after a dollar sign is pure red", .value = "$FF", .expected = 255},
      {.why = "hexadecimal after 0x", .value = "0x8000", .expected = 0x8000},
      {.why = "leading blanks are allowed", .value = "  8", .expected = 8},
      {.why = "a system colour is negative", .value = "-16777201", .expected = -16777201},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    load({"Colour=" + c.value});
    EXPECT_EQ(config.IntegerValue(1), c.expected);
  }
}

TEST_F(SettingsTest, SwitchRowsAreUpperCasedButNotTrimmed) {
  const struct {
    std::string value;
    std::string expected;
  } cases[] = {
      {.value = "yes", .expected = "YES"},   {.value = "YES ", .expected = "YES "},
      {.value = "No", .expected = "NO"},     {.value = "нет", .expected = "НЕТ"},
      {.value = "ёлка", .expected = "ЁЛКА"}, {.value = "", .expected = ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    load({"Sound=" + c.value});
    EXPECT_EQ(utf8(config.SwitchValue(1)), c.expected);
  }
}

TEST_F(SettingsTest, StyleTextsMatchIgnoringCase) {
  const struct {
    const char* why;
    std::string text;
    std::optional<FontStyle> style;
  } cases[] = {
      {.why = "regular", .text = "[]", .style = FontStyle::Regular},
      {.why = "italic", .text = "[fsItalic]", .style = FontStyle::Italic},
      {.why = "bold in capitals", .text = "[FSBOLD]", .style = FontStyle::Bold},
      {.why = "bold italic in small letters",
       .text = "[fsbold,fsitalic]",
       .style = FontStyle::BoldItalic},
      {.why = "a blank after the comma matches nothing",
       .text = "[fsBold, fsItalic]",
       .style = std::nullopt},
      {.why = "a blank after the text matches nothing", .text = "[fsBold] ", .style = std::nullopt},
      {.why = "another word matches nothing", .text = "[bold]", .style = std::nullopt},
      {.why = "empty matches nothing", .text = "", .style = std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    load({"Style=" + c.text});
    EXPECT_EQ(config.StyleValue(1), c.style);
  }
}

TEST_F(SettingsTest, AFailedLoadLeavesTheListAsItWas) {
  load({"Sound=YES"});
  std::filesystem::remove(folder.path() / "Data base/ini/Config.ini");
  EXPECT_EQ(failureOf([&] { config.Load(); }), "Cannot open file Data base\\ini\\Config.ini");
  EXPECT_EQ(ConfigFile.lines(), std::vector<std::string>{"Sound=YES"});
}

struct SaveCase {
  const char* why;
  std::vector<std::string> rows;
  std::string value;
  std::vector<std::string> saved;
};

std::vector<std::string> withRow(std::vector<std::string> rows, int row, const std::string& line) {
  rows.at(static_cast<std::size_t>(row) - 1) = line;
  return rows;
}

std::vector<std::string> withLast(std::vector<std::string> rows, const std::string& line) {
  rows.push_back(line);
  return rows;
}

TEST_F(SettingsTest, TheExchangePathIsWrittenBackByKey) {
  const auto delivered = settingsRows();
  const auto withoutAdres = settingsRows({{31, "Exchange=D:\\old.dat"}});
  const SaveCase cases[] = {
      {.why = "the key is found in small letters and written as passed",
       .rows = settingsRows({{31, "adres=D:\\old.dat"}}),
       .value = "Data base\\Новый.Dat",
       .saved = withRow(delivered, 31, "Adres=Data base\\Новый.Dat")},
      {.why = "without an Adres line the line is added at the end and row 31 keeps its line",
       .rows = withoutAdres,
       .value = "x.dat",
       .saved = withLast(withoutAdres, "Adres=x.dat")},
      {.why = "an empty path keeps the line in its place",
       .rows = delivered,
       .value = "",
       .saved = withRow(delivered, 31, "Adres=")},
      {.why = "only the first line with the key is replaced",
       .rows = {"Adres=1", "ADRES=2"},
       .value = "3",
       .saved = {"Adres=3", "ADRES=2"}},
      {.why = "a line without = has no key, even when it reads Adres",
       .rows = {"Adres"},
       .value = "p",
       .saved = {"Adres", "Adres=p"}},
      {.why = "a blank belongs to the key",
       .rows = {"Adres =p"},
       .value = "q",
       .saved = {"Adres =p", "Adres=q"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    load(c.rows);
    config.SaveConfigValue("Adres", cp(c.value));
    EXPECT_EQ(utf8(ConfigFile.lines()), c.saved);
    EXPECT_EQ(folder.readLines("Data base/ini/Config.ini"), c.saved);
  }
}

TEST_F(SettingsTest, SavingWritesEveryLineAsReadWithCrLf) {
  folder.writeBytes("Data base/ini/Config.ini", "Shake=NO\nSound=no\rAdres=a");
  config.Load();
  config.SaveConfigValue("Adres", "b");
  EXPECT_EQ(folder.readBytes("Data base/ini/Config.ini"), "Shake=NO\r\nSound=no\r\nAdres=b\r\n");
}

TEST_F(SettingsTest, AFileThatCannotBeWrittenIsReported) {
  load(settingsRows());
  const auto path = folder.path() / "Data base/ini/Config.ini";
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  EXPECT_EQ(failureOf([&] { config.SaveConfigValue("Adres", "x"); }),
            "Cannot create file Data base\\ini\\Config.ini");
  EXPECT_TRUE(std::filesystem::is_directory(path));
}

}  // namespace
}  // namespace shell_testing
