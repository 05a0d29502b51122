// The repeated phrase, the long phrase, the no-match fallback and repeat avoidance.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/engine_fixture.h"

namespace engine_testing {
namespace {

using testing_support::cp;
using testing_support::utf8;

using RepeatHandlingTest = EngineTest;

TEST_F(RepeatHandlingTest, APhraseRepeatedInAnotherCaseIsAnsweredFromPovtor) {
  say("Как дела", {2, 2, 0});
  EXPECT_EQ(reply(), "Понятно.");
  state.BranchDepth = 2;
  state.BranchLine = 7;
  const auto words = read("Words.Dat");
  say("как дела", {2, 0});
  EXPECT_EQ(reply(), "Ты это уже говорил.");
  EXPECT_EQ(state.BranchDepth, 2) << "the branch context stays";
  EXPECT_EQ(state.BranchLine, 7);
  EXPECT_EQ(read("Words.Dat"), words) << "a repeated phrase teaches nothing";
  EXPECT_FALSE(host.timerEnabled(engine::EngineTimer::DelayedRemark)) << "TurnDraw 2 disarms T9";
}

TEST_F(RepeatHandlingTest, AfterANewDialogueTheSamePhraseIsNoRepeat) {
  say("Привет", {2, 2, 1});
  state.LastUserPhrase.clear();
  state.LastCpuPhrase.clear();
  say("Привет", {2, 2, 1});
  EXPECT_EQ(reply(), "Здравствуй!");
}

TEST_F(RepeatHandlingTest, APhraseOf110CharactersGetsALongPhraseReplyForFourDrawsOfSix) {
  struct Case {
    const char* why;
    std::string typed;
    int r;
    bool long_;
  };
  const std::string letters109(109, 'o');
  const std::string letters108(108, 'o');
  const Case cases[] = {
      {.why = "109 characters never", .typed = letters108 + ".", .r = 1, .long_ = false},
      {.why = "110 characters, draw 1", .typed = letters109 + ".", .r = 1, .long_ = true},
      {.why = "110 characters, draw 2", .typed = letters109 + ".", .r = 2, .long_ = false},
      {.why = "110 characters, draw 3", .typed = letters109 + ".", .r = 3, .long_ = true},
      {.why = "110 characters, draw 4", .typed = letters109 + ".", .r = 4, .long_ = true},
      {.why = "110 characters, draw 5", .typed = letters109 + ".", .r = 5, .long_ = true},
      {.why = "110 characters, draw 6", .typed = letters109 + ".", .r = 6, .long_ = false},
      {.why = "109 typed become 110 by normalisation", .typed = letters109, .r = 1, .long_ = true},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.why);
    state = {};
    say(row.typed, {2, row.r, 0});
    EXPECT_EQ(reply(), row.long_ ? "Как много слов!" : "Понятно.");
  }
}

TEST_F(RepeatHandlingTest, ALongPhraseReplyKeepsTheBranchContextAndTeachesNothing) {
  state.BranchDepth = 1;
  state.BranchLine = 0;
  const auto words = read("Words.Dat");
  const auto general = read("W2.Dat");
  say(std::string(120, 'o'), {1, 1, 0});
  EXPECT_EQ(reply(), "Как много слов!");
  EXPECT_EQ(state.BranchDepth, 1);
  EXPECT_EQ(state.BranchLine, 0);
  EXPECT_EQ(read("Words.Dat"), words);
  EXPECT_EQ(read("W2.Dat"), general);
  EXPECT_TRUE(host.timerEnabled(engine::EngineTimer::DelayedRemark)) << "TurnDraw 1 arms T9";
}

TEST_F(RepeatHandlingTest, OnlyAFinalQuestionMarkMakesAQuestion) {
  struct Case {
    const char* why;
    std::string phrase;
    std::string reply;
  };
  const Case cases[] = {
      {.why = "a question gets W1", .phrase = "Правда?", .reply = "Не знаю, а ты?"},
      {.why = "the last character is ! here", .phrase = "Правда?!", .reply = "Понятно."},
      {.why = "a statement gets W2", .phrase = "Правда", .reply = "Понятно."},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.why);
    state = {};
    say(row.phrase, {2, 2, 0});
    EXPECT_EQ(reply(), row.reply);
  }
}

TEST_F(RepeatHandlingTest, AReplyEqualToThePreviousOneIgnoringCaseGetsAnAddition) {
  state.LastCpuPhrase = cp("ЗДРАВСТВУЙ!");
  say("Привет", {2, 2, 1, 0});
  EXPECT_EQ(reply(), "Здравствуй!     Опять я за своё.");
  EXPECT_EQ(utf8(state.LastCpuPhrase), "Здравствуй!     Опять я за своё.")
      << "the reply is recorded as shown";
  EXPECT_EQ(host.cpuLines().back(), "Здравствуй!     Опять я за своё.");
}

TEST_F(RepeatHandlingTest, APovtorReplyStillPassesRepeatAvoidance) {
  state.LastUserPhrase = cp("Привет.");
  state.LastCpuPhrase = cp("Ты это уже говорил.");
  say("Привет", {2, 0, 0});
  EXPECT_EQ(reply(), "Ты это уже говорил.     Опять я за своё.");
}

TEST_F(RepeatHandlingTest, AnEmptyReplyAtTheFirstTurnBecomesFiveBlanksAndAnAddition) {
  write("W2.Dat", {""});
  const auto words = read("Words.Dat");
  say("Ну ладно", {2, 2, 0, 0});
  EXPECT_EQ(reply(), "     Опять я за своё.");
  EXPECT_EQ(read("W2.Dat"), std::vector<std::string>{""}) << "an empty reply teaches nothing";
  EXPECT_EQ(read("Words.Dat"), words);
}

}  // namespace
}  // namespace engine_testing
