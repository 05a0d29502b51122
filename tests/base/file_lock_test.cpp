#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "base/list_file.h"
#include "tests/base/error_text.h"
#include "tests/support/working_folder.h"

namespace {

constexpr int kAppendsPerProcess = 100;

// One read-modify-write after another under the lock, as learning does with Words.Dat.
void appendUnderLock(const std::string& programPath, const std::string& tag) {
  for (int i = 0; i < kAppendsPerProcess; ++i) {
    const base::FileLock lock(programPath);
    base::Lines lines = base::readListFile(programPath);
    lines.push_back(tag + std::to_string(i));
    base::writeListFile(programPath, lines);
  }
}

pid_t startAppender(const std::string& programPath, const std::string& tag) {
  const pid_t child = ::fork();
  if (child == 0) {
    int status = 0;
    try {
      appendUnderLock(programPath, tag);
    } catch (...) {
      status = 1;
    }
    ::_exit(status);
  }
  return child;
}

bool finishedCleanly(pid_t child) {
  int status = 0;
  return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

/// The lines carrying the tag, in file order.
std::vector<std::string> linesTagged(const base::Lines& lines, char tag) {
  std::vector<std::string> tagged;
  for (const auto& line : lines)
    if (!line.empty() && line[0] == tag) tagged.push_back(line);
  return tagged;
}

std::vector<std::string> expectedTagged(char tag) {
  std::vector<std::string> lines;
  for (int i = 0; i < kAppendsPerProcess; ++i) lines.push_back(tag + std::to_string(i));
  return lines;
}

TEST(FileLock, TwoProcessesAppendingLoseNoLine) {
  testing_support::WorkingFolder folder;
  folder.writeBytes("Data base/AI/Log.dat", "");
  // The two spell the name differently, as the program does; both lock the one file.
  const pid_t first = startAppender("Data base\\AI\\Log.dat", "A");
  const pid_t second = startAppender("DATA BASE\\ai\\LOG.DAT", "B");
  ASSERT_GT(first, 0);
  ASSERT_GT(second, 0);
  EXPECT_TRUE(finishedCleanly(first));
  EXPECT_TRUE(finishedCleanly(second));

  const auto lines = base::readListFile("Data base\\AI\\Log.dat");
  EXPECT_EQ(lines.size(), 2u * kAppendsPerProcess);
  EXPECT_EQ(linesTagged(lines, 'A'), expectedTagged('A'));
  EXPECT_EQ(linesTagged(lines, 'B'), expectedTagged('B'));
}

TEST(FileLock, WithoutAPlaceForTheLockFileTheWriteReportsTheFailure) {
  testing_support::WorkingFolder folder;
  const base::FileLock lock("Data base\\Nowhere\\Words.Dat");
  EXPECT_EQ(base_tests::errorText([] { base::writeListFile("Data base\\Nowhere\\Words.Dat", {}); }),
            "Cannot create file Data base\\Nowhere\\Words.Dat");
}

}  // namespace
