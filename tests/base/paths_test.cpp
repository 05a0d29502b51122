#include "base/paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/cp1251_literals.h"
#include "tests/support/working_folder.h"

namespace {

namespace fs = std::filesystem;
using testing_support::cp;

class Paths : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.writeBytes("Data base/AI/Words.Dat", "x");
    folder_.writeBytes("Data base/ini/Config.ini", "x");
    folder_.writeBytes("Данные/Слово.txt", "x");
    folder_.writeBytes("Данные/Ёлка.dat", "x");
    folder_.writeBytes("Data base/AI/Pause.Dat", "x");
    folder_.writeBytes("Data base/AI/PAUSE.DAT", "x");
  }
  /// Where a path below the working folder lies on disk.
  static std::string onDisk(const std::string& relative) {
    return (fs::current_path() / relative).string();
  }

  testing_support::WorkingFolder folder_;
};

TEST_F(Paths, EachComponentIsMatchedIgnoringCase) {
  const struct {
    const char* why;
    std::string programPath;
    std::string expected;  // relative to the working folder, as on disk
  } rows[] = {
      {.why = "exact spelling",
       .programPath = "Data base\\AI\\Words.Dat",
       .expected = "Data base/AI/Words.Dat"},
      {.why = "the other spelling of the program",
       .programPath = "Data base\\AI\\Words.dat",
       .expected = "Data base/AI/Words.Dat"},
      {.why = "every component in other letters",
       .programPath = "DATA BASE\\ai\\wORDS.dAT",
       .expected = "Data base/AI/Words.Dat"},
      {.why = "forward slashes",
       .programPath = "data base/ini/config.INI",
       .expected = "Data base/ini/Config.ini"},
      {.why = "both separators mixed",
       .programPath = "data base/AI\\words.dat",
       .expected = "Data base/AI/Words.Dat"},
      {.why = "doubled separator",
       .programPath = "Data base\\\\AI\\Words.Dat",
       .expected = "Data base/AI/Words.Dat"},
      {.why = "Cyrillic names",
       .programPath = cp("ДАННЫЕ\\слово.TXT"),
       .expected = "Данные/Слово.txt"},
      {.why = "ё matches Ё", .programPath = cp("данные\\ёЛКА.DAT"), .expected = "Данные/Ёлка.dat"},
      {.why = "exact spelling wins over another case",
       .programPath = "Data base\\AI\\Pause.Dat",
       .expected = "Data base/AI/Pause.Dat"},
      {.why = "missing file kept as spelled",
       .programPath = "data base\\ai\\New.Dat",
       .expected = "Data base/AI/New.Dat"},
      {.why = "below a missing folder all kept as spelled",
       .programPath = "Data base\\Sound\\AI\\Words.dat",
       .expected = "Data base/Sound/AI/Words.dat"},
      {.why = "Cyrillic missing name kept",
       .programPath = cp("Данные\\Новое.txt"),
       .expected = "Данные/Новое.txt"},
      {.why = "drive prefix is an ordinary component",
       .programPath = "D:\\a=b.dat",
       .expected = "D:/a=b.dat"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(base::resolvePath(row.programPath).string(), onDisk(row.expected)) << row.why;
}

TEST_F(Paths, AbsolutePathIsResolvedFromTheRoot) {
  const std::string absolute = fs::current_path().string() + "/DATA BASE\\ai\\words.dat";
  EXPECT_EQ(base::resolvePath(absolute).string(), onDisk("Data base/AI/Words.Dat"));
}

TEST_F(Paths, RelativePathFollowsTheWorkingDirectory) {
  fs::current_path("Data base");
  EXPECT_EQ(base::resolvePath("ai\\words.dat").string(), onDisk("AI/Words.Dat"));
}

TEST_F(Paths, FileExistsOnlyForRegularFiles) {
  const struct {
    const char* why;
    std::string programPath;
    bool exists;
  } rows[] = {
      {.why = "file", .programPath = "Data base\\AI\\Words.Dat", .exists = true},
      {.why = "file in other letters", .programPath = "data base\\ai\\WORDS.DAT", .exists = true},
      {.why = "folder", .programPath = "Data base\\AI", .exists = false},
      {.why = "missing", .programPath = "Data base\\AI\\Log.dat", .exists = false},
      {.why = "empty path is the working folder", .programPath = "", .exists = false},
  };
  for (const auto& row : rows) EXPECT_EQ(base::fileExists(row.programPath), row.exists) << row.why;
}

}  // namespace
