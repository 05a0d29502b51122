// Nothing learned is lost: a write that fails leaves the file as it was and says so, and two
// copies of the program learning into one folder at the same time keep every line.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/text_case.h"
#include "tests/engine/engine_fixture.h"
#include "tests/support/file_size_limit.h"

namespace engine_testing {
namespace {

using testing_support::cp;
using testing_support::utf8;

using testing_support::FileSizeLimit;

std::set<std::string> namesIn(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.insert(entry.path().filename().string());
  return names;
}

class FileSafetyTest : public EngineTest {
 protected:
  FileSafetyTest() {
    std::vector<std::string> words;
    for (int i = 0; i < 60; ++i)
      words.push_back("КЛЮЧ НОМЕР " + std::to_string(i) + "^Ответ номер " + std::to_string(i) +
                      ".;");
    write("Words.Dat", words);
  }

  // A phrase of the topic list is learned as a key only, so Words.Dat is the one file written.
  void expectTheWordsWriteFailsAndChangesNothing(const std::function<void()>& duringTurn) {
    const std::string before = folder.readBytes("Data base/AI/Words.Dat");
    const auto aiFolder = folder.path() / "Data base" / "AI";
    const auto namesBefore = namesIn(aiFolder);
    random.script({2, 2, 0});
    host.input = cp("Меня зовут Саша");
    try {
      duringTurn();
      ADD_FAILURE() << "the write did not fail";
    } catch (const base::Error& error) {
      EXPECT_EQ(utf8(error.what()), "Cannot create file Data base\\AI\\Words.Dat");
    }
    EXPECT_EQ(folder.readBytes("Data base/AI/Words.Dat"), before);
    std::set<std::string> namesAfter = namesIn(aiFolder);
    namesAfter.erase(".Words.Dat.lock");
    EXPECT_EQ(namesAfter, namesBefore) << "no temporary file is left behind";
    EXPECT_EQ(host.lines(), std::vector<std::string>{"user Меня зовут Саша."});
    EXPECT_TRUE(state.LastUserPhrase.empty());
  }
};

TEST_F(FileSafetyTest, AWriteStoppedByTheFileSizeLimitLeavesWordsDatUnchanged) {
  expectTheWordsWriteFailsAndChangesNothing([this] {
    const FileSizeLimit limit(1024);
    engine.SpeakClick();
  });
}

TEST_F(FileSafetyTest, AReadOnlyFolderLeavesWordsDatUnchanged) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into a read-only folder";
  const auto aiFolder = folder.path() / "Data base" / "AI";
  expectTheWordsWriteFailsAndChangesNothing([&] {
    chmod(aiFolder.c_str(), 0555);
    engine.SpeakClick();
  });
}

// One copy of the program in a child process: learns `turns` phrases "<name> <n>" as fast as
// it can once the start signal comes. Exits 0 when every turn went through.
[[noreturn]] void learnInChild(const std::string& name, int turns, int startSignal) {
  char ignored;
  (void)!read(startSignal, &ignored, 1);
  int status = 0;
  try {
    engine::ConversationState state;
    FakeHost host;
    testing_support::ScriptedRandom random;
    random.fallBackToLowest();  // TurnDraw 1, no long phrase, the first general reply
    engine::DialogueEngine engine(state, host, random);
    for (int i = 0; i < turns; ++i) {
      host.input = cp(name + " " + std::to_string(i));
      engine.SpeakClick();
    }
  } catch (...) {
    status = 1;
  }
  _exit(status);
}

TEST_F(FileSafetyTest, TwoCopiesLearningIntoOneFolderAtOnceLoseNoLine) {
  constexpr int kTurns = 30;
  const std::string names[] = {"Альфа", "Бета"};
  int start[2];
  ASSERT_EQ(pipe(start), 0);
  std::vector<pid_t> children;
  for (const auto& name : names) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(start[1]);
      learnInChild(name, kTurns, start[0]);
    }
    children.push_back(child);
  }
  close(start[0]);
  close(start[1]);  // both children start now
  for (const pid_t child : children) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a child's turn failed";
  }

  const auto words = read("Words.Dat");
  const auto general = read("W2.Dat");
  const std::set<std::string> wordSet(words.begin(), words.end());
  const std::set<std::string> generalSet(general.begin(), general.end());
  int missing = 0;
  for (const auto& name : names) {
    for (int i = 0; i < kTurns; ++i) {
      const std::string phrase = name + " " + std::to_string(i) + ".";
      const std::string key = utf8(base::toUpper(cp(name))) + " " + std::to_string(i) + "^";
      if (!wordSet.contains(key)) ++missing;
      if (!generalSet.contains(phrase)) ++missing;
    }
  }
  EXPECT_EQ(missing, 0);
  EXPECT_EQ(words.size(), 60u + 2 * kTurns);
  EXPECT_EQ(general.size(), 1u + 2 * kTurns);
}

}  // namespace
}  // namespace engine_testing
