#include "base/list_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "base/cp1251.h"
#include "tests/base/error_text.h"
#include "tests/support/cp1251_literals.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/working_folder.h"

namespace {

namespace fs = std::filesystem;
using base_tests::errorText;
using testing_support::cp;
using testing_support::utf8;
using Utf8Lines = std::vector<std::string>;

constexpr const char* kWordsOnDisk = "Data base/AI/Words.Dat";
constexpr const char* kWordsProgramPath = "Data base\\AI\\Words.Dat";

base::Lines cpLines(const Utf8Lines& lines) {
  base::Lines out;
  for (const auto& line : lines) out.push_back(cp(line));
  return out;
}

/// Every name below the folder, to see that nothing was left behind.
std::set<std::string> namesBelow(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    names.insert(fs::relative(entry.path(), folder).string());
  return names;
}

TEST(ReadListFile, LineBreaksAndTheEndOfTheText) {
  const struct {
    const char* why;
    std::string bytes;
    Utf8Lines lines;
  } rows[] = {
      {.why = "LF ends a line", .bytes = "a\nb\n", .lines = {"a", "b"}},
      {.why = "CR ends a line", .bytes = "a\rb\r", .lines = {"a", "b"}},
      {.why = "CR LF ends one line", .bytes = "a\r\nb\r\n", .lines = {"a", "b"}},
      {.why = "mixed breaks", .bytes = "a\rb\nc\r\nd", .lines = {"a", "b", "c", "d"}},
      {.why = "LF CR is two breaks", .bytes = "a\n\rb", .lines = {"a", "", "b"}},
      {.why = "CR CR LF is two breaks", .bytes = "a\r\r\nb", .lines = {"a", "", "b"}},
      {.why = "no final break", .bytes = "a\nb", .lines = {"a", "b"}},
      {.why = "final break makes no extra line", .bytes = "a\r\n", .lines = {"a"}},
      {.why = "empty line inside is kept", .bytes = "a\r\n\r\nb\r\n", .lines = {"a", "", "b"}},
      {.why = "a lone break is one empty line", .bytes = "\r\n", .lines = {""}},
      {.why = "two breaks are two empty lines", .bytes = "\n\n", .lines = {"", ""}},
      {.why = "blanks belong to the line", .bytes = " a \r\n", .lines = {" a "}},
      {.why = "empty file", .bytes = "", .lines = {}},
      {.why = "NUL ends the text", .bytes = std::string("a\nb\0c\nd\n", 8), .lines = {"a", "b"}},
      {.why = "NUL first", .bytes = std::string("\0a\r\n", 4), .lines = {}},
      {.why = "NUL after a break", .bytes = std::string("a\r\n\0b", 5), .lines = {"a"}},
      {.why = "cp1251 text", .bytes = cp("привет\r\nёлка\r\n"), .lines = {"привет", "ёлка"}},
  };
  testing_support::WorkingFolder folder;
  for (const auto& row : rows) {
    folder.writeBytes(kWordsOnDisk, row.bytes);
    EXPECT_EQ(utf8(base::readListFile(kWordsProgramPath)), row.lines) << row.why;
  }
}

TEST(ReadListFile, FindsTheFileIgnoringCase) {
  testing_support::WorkingFolder folder;
  folder.writeLines(kWordsOnDisk, {"ключ"});
  EXPECT_EQ(utf8(base::readListFile("DATA BASE\\ai\\words.dat")), Utf8Lines{"ключ"});
}

TEST(ReadListFile, WhatCannotBeOpenedIsNamedAsTheProgramSpellsIt) {
  testing_support::WorkingFolder folder;
  const struct {
    const char* why;
    std::string programPath;
  } rows[] = {
      {.why = "missing file", .programPath = "Data base\\AI\\Pause.Dat"},
      {.why = "missing folder", .programPath = "Data base\\Sound\\Pause.Dat"},
      {.why = "a folder is no file", .programPath = "Data base\\AI"},
      {.why = "Cyrillic name", .programPath = cp("Data base\\AI\\Нет.Dat")},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(errorText([&] { base::readListFile(row.programPath); }),
              "Cannot open file " + utf8(row.programPath))
        << row.why;
  }
}

TEST(WriteListFile, EveryLineEndsInCrLfAndReadsBack) {
  testing_support::WorkingFolder folder;
  const auto lines = cpLines({"привет", "", "ёлка «ель»"});
  base::writeListFile(kWordsProgramPath, lines);
  EXPECT_EQ(utf8(folder.readBytes(kWordsOnDisk)), "привет\r\n\r\nёлка «ель»\r\n");
  EXPECT_EQ(base::readListFile(kWordsProgramPath), lines);
}

TEST(WriteListFile, EmptyListMakesAnEmptyFile) {
  testing_support::WorkingFolder folder;
  base::writeListFile(kWordsProgramPath, {});
  ASSERT_TRUE(fs::is_regular_file(folder.path() / kWordsOnDisk));
  EXPECT_EQ(folder.readBytes(kWordsOnDisk), "");
}

TEST(WriteListFile, ReplacesTheFileFoundIgnoringCaseAndLeavesNothingElse) {
  testing_support::WorkingFolder folder;
  folder.writeLines(kWordsOnDisk, {"старое"});
  base::writeListFile("data base\\ai\\WORDS.DAT", cpLines({"новое"}));
  EXPECT_EQ(namesBelow(folder.path() / "Data base/AI"), std::set<std::string>{"Words.Dat"});
  EXPECT_EQ(folder.readLines(kWordsOnDisk), Utf8Lines{"новое"});
}

TEST(WriteListFile, NewFileGetsTheProgramsSpellingAndTheUmask) {
  testing_support::WorkingFolder folder;
  base::writeListFile("data base\\ai\\Collection.Dat", cpLines({"дурак"}));
  const fs::path made = folder.path() / "Data base/AI/Collection.Dat";
  ASSERT_TRUE(fs::exists(made));
  const mode_t mask = ::umask(0);
  ::umask(mask);
  struct stat info {};
  ASSERT_EQ(::stat(made.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
}

TEST(WriteListFile, KeepsThePermissionsOfTheOldFile) {
  testing_support::WorkingFolder folder;
  folder.writeLines(kWordsOnDisk, {"старое"});
  const fs::path file = folder.path() / kWordsOnDisk;
  ::chmod(file.c_str(), 0640);
  base::writeListFile(kWordsProgramPath, cpLines({"новое"}));
  struct stat info {};
  ASSERT_EQ(::stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

// A write that fails must leave the old file byte for byte and no temporary file behind, and
// name the path as the program spells it.
class FailedWrite : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.writeBytes(kWordsOnDisk, kOldBytes);
    before_ = namesBelow(folder_.path());
  }

  void expectFailureLeavesEverything(const std::string& programPath) {
    base::Lines lines(200, cp("новая строка базы"));
    EXPECT_EQ(errorText([&] { base::writeListFile(programPath, lines); }),
              "Cannot create file " + utf8(programPath));
    EXPECT_EQ(folder_.readBytes(kWordsOnDisk), kOldBytes);
    EXPECT_EQ(namesBelow(folder_.path()), before_);
  }

  // Deliberately without a final break and with a lone CR: a rewrite would change both.
  const std::string kOldBytes = cp("старое\r\nсодержимое\rконец");
  testing_support::WorkingFolder folder_;
  std::set<std::string> before_;
};

TEST_F(FailedWrite, TargetIsAFolder) {
  fs::create_directories(folder_.path() / "Data base/AI/Pause.Dat");
  before_ = namesBelow(folder_.path());
  expectFailureLeavesEverything("Data base\\AI\\Pause.Dat");
  EXPECT_TRUE(fs::is_directory(folder_.path() / "Data base/AI/Pause.Dat"));
}

TEST_F(FailedWrite, PathGoesBelowARegularFile) {
  expectFailureLeavesEverything("Data base\\AI\\Words.Dat\\Inner.Dat");
}

TEST_F(FailedWrite, DiskRefusesTheTextHalfway) {
  // A file size limit cuts the write of the temporary file short, even for root.
  const testing_support::FileSizeLimit limit(64);
  expectFailureLeavesEverything(kWordsProgramPath);
}

TEST_F(FailedWrite, ReadOnlyFolder) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  fs::permissions(folder_.path() / "Data base/AI", fs::perms::owner_read | fs::perms::owner_exec);
  expectFailureLeavesEverything(kWordsProgramPath);
}

}  // namespace
