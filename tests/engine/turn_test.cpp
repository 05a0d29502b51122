// The turn as a whole: the order of its steps, the two modes, the filters before reply
// selection, and what a failing file step leaves behind.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/errors.h"
#include "tests/engine/engine_fixture.h"

namespace engine_testing {
namespace {

using engine::EngineTimer;
using testing_support::cp;
using testing_support::utf8;
using Events = std::vector<std::string>;

using TurnTest = EngineTest;

TEST_F(TurnTest, AFallbackTurnRunsItsStepsInOrder) {
  say("ну ладно", {1, 2, 0});
  EXPECT_EQ(host.events,
            (Events{"busy", "cue MP Button3.wav", "user Ну ладно.", "cue MP2 CpuSound.wav",
                    "cpu Понятно.", "normal", "T9 on", "clear input"}));
  EXPECT_EQ(random.reseeds(), 1);
  EXPECT_EQ(utf8(state.LastUserPhrase), "Ну ладно.");
  EXPECT_EQ(utf8(state.LastCpuPhrase), "Понятно.");
  EXPECT_TRUE(host.input.empty());
}

TEST_F(TurnTest, AWordsReplyWithAFollowUpArmsT13OnADrawOfOneAndLeavesT9Alone) {
  write("Words.Dat", {"РОК^Рок - это здорово.|Я тоже его слушаю.;Рок бывает разный.|Какой?;"});
  host.setTimerEnabled(EngineTimer::DelayedRemark, true);
  host.forget();
  say("Рок", {1, 2, 1, 1});
  EXPECT_EQ(host.events,
            (Events{"busy", "cue MP Button3.wav", "user Рок.", "T4 off", "cue MP2 CpuSound.wav",
                    "cpu Рок - это здорово.", "T13 on", "normal", "clear input"}));
  host.forget();
  say("Рок!", {1, 2, 2, 2});
  EXPECT_EQ(std::count(host.events.begin(), host.events.end(), "T13 on"), 0) << "draw 2";
  EXPECT_TRUE(host.timerEnabled(EngineTimer::DelayedRemark));
}

TEST_F(TurnTest, ATurnClearsTheIdleCounterAndThePreviousFollowUp) {
  state.IdleTicks = 57;
  state.FollowUpPhrase = cp("Старое.");
  say("Привет", {2, 2, 1});
  EXPECT_EQ(state.IdleTicks, 0);
  EXPECT_TRUE(state.FollowUpPhrase.empty());
}

TEST_F(TurnTest, TheCpuCpuModeAnswersTheExchangePhraseAndWritesTheReplyBack) {
  host.cpuUser = false;
  host.exchange = cp("привет");
  host.input = cp("не то");
  random.script({2, 2, 1});
  engine.SpeakClick();
  EXPECT_EQ(host.lines(), (Events{"user Привет.", "cpu Здравствуй!"}));
  EXPECT_EQ(host.events.back(), "clear input");
  EXPECT_EQ(host.events[host.events.size() - 2], "exchange Здравствуй!");
}

TEST_F(TurnTest, AnEmptyPhraseIsNoTurn) {
  for (const bool cpuUser : {false, true}) {
    SCOPED_TRACE(cpuUser ? "Cpu\\User" : "Cpu\\Cpu");
    host.cpuUser = cpuUser;
    state.LastUserPhrase = cp("Привет.");
    engine.SpeakClick();
    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ(random.reseeds(), 0);
    EXPECT_EQ(utf8(state.LastUserPhrase), "Привет.");
  }
}

TEST_F(TurnTest, TheInsultFilterCatchesFragmentsWithTheirBlanksAndSigns) {
  struct Case {
    const char* why;
    std::string phrase;
    bool caught;
  };
  const Case cases[] = {
      {.why = "a blank before the word", .phrase = "Ты лох", .caught = true},
      {.why = "nothing before the word", .phrase = "Лох!", .caught = false},
      {.why = "two blanks before the word", .phrase = "Ты  лох", .caught = false},
      {.why = "no entry for the word before ?", .phrase = "Ты трус?", .caught = false},
      {.why = "no blank before the word", .phrase = "Трус?", .caught = false},
      {.why = "the entry with !", .phrase = "Ты трус!", .caught = true},
      {.why = "inside a word", .phrase = "Какая тварь", .caught = true},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.why);
    write("Collection.Dat", {});
    state = {};
    host.forget();
    if (row.caught)
      say(row.phrase, {2, 0});
    else
      say(row.phrase, {2, 2, 0});
    const std::string normal = utf8(state.UserPhrase);
    EXPECT_EQ(reply() == "Не надо грубить.", row.caught) << reply();
    EXPECT_EQ(read("Collection.Dat"), row.caught ? Events{">>> " + normal} : Events{});
  }
}

TEST_F(TurnTest, AnInsultTeachesNothingAndLeavesT9) {
  const auto words = read("Words.Dat");
  host.setTimerEnabled(EngineTimer::DelayedRemark, true);
  say("Ты лох", {2, 0});
  EXPECT_EQ(read("Words.Dat"), words);
  EXPECT_TRUE(host.timerEnabled(EngineTimer::DelayedRemark));
}

TEST_F(TurnTest, ARepeatedInsultIsAnsweredFromPovtorAndRecordedOnce) {
  say("Ты лох", {2, 0});
  say("ты лох", {2, 0});
  EXPECT_EQ(reply(), "Ты это уже говорил.");
  EXPECT_EQ(read("Collection.Dat"), Events{">>> Ты лох."});
}

TEST_F(TurnTest, TheTopicListUpperCasesLatinLetters) {
  say("Fuck it", {2, 2, 0});
  EXPECT_EQ(read("W2.Dat"), Events{"Понятно."}) << "the topic hit keeps it out of W2";
  EXPECT_EQ(read("Words.Dat").back(), "FUCK IT^");
}

struct FailureCase {
  const char* why;
  std::function<void()> prepare;
  std::string phrase;
  std::vector<int> draws;
  std::string message;
};

TEST_F(TurnTest, AFailingFileStepEndsTheTurnAndKeepsWhatWasShown) {
  const FailureCase cases[] = {
      {.why = "Povtor.Dat missing",
       .prepare = [this] { remove("Povtor.Dat"); },
       .phrase = "прежде",
       .draws = {2},
       .message = "Cannot open file Data base\\AI\\Povtor.Dat"},
      {.why = "X.Dat empty",
       .prepare = [this] { write("X.Dat", {}); },
       .phrase = "Ты лох",
       .draws = {2},
       .message = "List index out of bounds (0)"},
      {.why = "Collection.Dat missing",
       .prepare = [this] { remove("Collection.Dat"); },
       .phrase = "Ты лох",
       .draws = {2, 0},
       .message = "Cannot open file Data base\\AI\\Collection.Dat"},
      {.why = "BigString.Dat missing",
       .prepare = [this] { remove("BigString.Dat"); },
       .phrase = std::string(110, 'o'),
       .draws = {2, 1},
       .message = "Cannot open file Data base\\AI\\BigString.Dat"},
      {.why = "Words.Dat missing",
       .prepare = [this] { remove("Words.Dat"); },
       .phrase = "Привет",
       .draws = {2, 2},
       .message = "Cannot open file Data base\\AI\\Words.Dat"},
      {.why = "W1.Dat missing for a question",
       .prepare = [this] { remove("W1.Dat"); },
       .phrase = "Кто ты?",
       .draws = {2, 2},
       .message = "Cannot open file Data base\\AI\\W1.Dat"},
      {.why = "W2.Dat missing",
       .prepare = [this] { remove("W2.Dat"); },
       .phrase = "Ну ладно",
       .draws = {2, 2},
       .message = "Cannot open file Data base\\AI\\W2.Dat"},
      {.why = "W1.Dat missing when learning a reply with a question mark",
       .prepare =
           [this] {
             write("W2.Dat", {"А ты как?"});
             remove("W1.Dat");
           },
       .phrase = "Ну ладно",
       .draws = {2, 2, 0},
       .message = "Cannot open file Data base\\AI\\W1.Dat"},
      {.why = "CPUpvt.dat missing",
       .prepare = [this] { remove("CPUpvt.dat"); },
       .phrase = "Раньше",
       .draws = {2, 2, 1},
       .message = "Cannot open file Data base\\AI\\CPUpvt.dat"},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.why);
    writeSmallKnowledgeBase();
    write("Words.Dat", {"РАНЬШЕ^Прежде.;"});
    row.prepare();
    state = {};
    state.LastUserPhrase = cp("Прежде.");
    state.LastCpuPhrase = cp("Прежде.");
    state.IdleTicks = 7;
    host.forget();
    host.input = cp(row.phrase);
    for (const int draw : row.draws) random.script({draw});
    try {
      engine.SpeakClick();
      ADD_FAILURE() << "no error";
    } catch (const base::Error& error) {
      EXPECT_EQ(utf8(error.what()), row.message);
    }
    ASSERT_EQ(host.lines().size(), 1u);
    EXPECT_TRUE(host.lines().front().starts_with("user ")) << "the user line stays";
    EXPECT_EQ(host.events.back(), "normal") << "the cursor comes back";
    EXPECT_EQ(utf8(state.LastUserPhrase), "Прежде.");
    EXPECT_EQ(utf8(state.LastCpuPhrase), "Прежде.");
    EXPECT_EQ(state.IdleTicks, 7);
    EXPECT_FALSE(host.input.empty()) << "the input field is not emptied";
    if (row.why != std::string("Words.Dat missing")) {
      EXPECT_EQ(read("Words.Dat"), Events{"РАНЬШЕ^Прежде.;"}) << "nothing learned";
    }
  }
}

}  // namespace
}  // namespace engine_testing
