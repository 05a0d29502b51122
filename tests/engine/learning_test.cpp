// Learning from a phrase no Words.Dat line answered. Draws: TurnDraw (1 skips the reply to the
// previous phrase, 2 lets it happen), the long-phrase draw, the fallback's line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/engine/engine_fixture.h"

namespace engine_testing {
namespace {

using testing_support::cp;
using Lines = std::vector<std::string>;

using LearningTest = EngineTest;

TEST_F(LearningTest, WhatIsLearnedFromAnUnansweredPhrase) {
  struct Case {
    const char* why;
    std::string phrase;
    Lines w1;
    Lines w2;
    Lines words;
  };
  // W1.Dat: «Не знаю, а ты?»; W2.Dat: «Понятно.»; Words.Dat: «ПРИВЕТ^Здравствуй!;».
  const Case cases[] = {
      {.why = "a phrase of 2 characters as typed teaches nothing",
       .phrase = "Да",
       .w1 = {"Не знаю, а ты?"},
       .w2 = {"Понятно."},
       .words = {"ПРИВЕТ^Здравствуй!;"}},
      {.why = "a phrase of 4 characters as typed teaches nothing",
       .phrase = "Нет.",
       .w1 = {"Не знаю, а ты?"},
       .w2 = {"Понятно."},
       .words = {"ПРИВЕТ^Здравствуй!;"}},
      {.why = "5 characters: a general reply by the reply's file, and a key",
       .phrase = "Ну да",
       .w1 = {"Не знаю, а ты?"},
       .w2 = {"Понятно.", "Ну да."},
       .words = {"ПРИВЕТ^Здравствуй!;", "НУ ДА^"}},
      {.why = "a reply with ? sends a question to W1",
       .phrase = "Кто ты?",
       .w1 = {"Не знаю, а ты?", "Кто ты?"},
       .w2 = {"Понятно."},
       .words = {"ПРИВЕТ^Здравствуй!;", "КТО ТЫ^"}},
      {.why = "the topic filter keeps the phrase out of W1 and W2, not out of Words",
       .phrase = "Меня зовут Саша",
       .w1 = {"Не знаю, а ты?"},
       .w2 = {"Понятно."},
       .words = {"ПРИВЕТ^Здравствуй!;", "МЕНЯ ЗОВУТ САША^"}},
      {.why = "a phrase already in the source file is not added, its key is",
       .phrase = "Понятно.",
       .w1 = {"Не знаю, а ты?"},
       .w2 = {"Понятно."},
       .words = {"ПРИВЕТ^Здравствуй!;", "ПОНЯТНО^"}},
      {.why = "a blank before the final sign gives a key ending with a blank",
       .phrase = "Салют !",
       .w1 = {"Не знаю, а ты?"},
       .w2 = {"Понятно.", "Салют !"},
       .words = {"ПРИВЕТ^Здравствуй!;", "САЛЮТ ^"}},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.why);
    write("W1.Dat", {"Не знаю, а ты?"});
    write("W2.Dat", {"Понятно."});
    write("Words.Dat", {"ПРИВЕТ^Здравствуй!;"});
    state = {};
    say(row.phrase, {1, 2, 0});
    EXPECT_EQ(read("W1.Dat"), row.w1);
    EXPECT_EQ(read("W2.Dat"), row.w2);
    EXPECT_EQ(read("Words.Dat"), row.words);
  }
}

TEST_F(LearningTest, AQuestionAnsweredFromW1WithoutAQuestionMarkGoesToW2) {
  write("W1.Dat", {"Может быть."});
  write("W2.Dat", {"Кто ты?"});
  say("Кто ты?", {1, 2, 0});
  EXPECT_EQ(read("W1.Dat"), Lines{"Может быть."});
  EXPECT_EQ(read("W2.Dat"), (Lines{"Кто ты?", "Кто ты?"})) << "W2 is not searched for it";
}

TEST_F(LearningTest, TwoPhrasesOfTheSameKeyFormAddOneKeyLine) {
  say("Салют!", {1, 2, 0});
  say("салют", {1, 2, 0, 0});  // the same reply again draws an addition
  EXPECT_EQ(read("Words.Dat"), (Lines{"ПРИВЕТ^Здравствуй!;", "САЛЮТ^"}));
}

TEST_F(LearningTest, ThePhraseBecomesAReplyToTheBotsPreviousReplyOnTheMovedLine) {
  write("Words.Dat", {"КАК ДЕЛА^Хорошо.;", "_А У ТЕБЯ^Тоже.;", "ПРИВЕТ^Здравствуй!;"});
  state.LastCpuPhrase = cp("Как дела?");
  say("Отлично, спасибо.", {2, 2, 0});
  EXPECT_EQ(read("Words.Dat"), (Lines{"_А У ТЕБЯ^Тоже.;", "ПРИВЕТ^Здравствуй!;", "ОТЛИЧНО СПАСИБО^",
                                      "КАК ДЕЛА^Хорошо.;Отлично, спасибо.;"}))
      << "the moved line leaves its branch line to the line before";
}

TEST_F(LearningTest, OnTurnDrawOneNoReplyIsLearned) {
  write("Words.Dat", {"КАК ДЕЛА^Хорошо.;"});
  state.LastCpuPhrase = cp("Как дела?");
  say("Отлично, спасибо.", {1, 2, 0});
  EXPECT_EQ(read("Words.Dat"), (Lines{"КАК ДЕЛА^Хорошо.;", "ОТЛИЧНО СПАСИБО^"}));
}

TEST_F(LearningTest, AKnownKeyFormTeachesNoReplyToThePreviousPhrase) {
  write("Words.Dat", {"КАК ДЕЛА^Хорошо.;", "ОТЛИЧНО^"});
  state.LastCpuPhrase = cp("Как дела?");
  say("Отлично!", {2, 2, 0});
  EXPECT_EQ(read("Words.Dat"), (Lines{"КАК ДЕЛА^Хорошо.;", "ОТЛИЧНО^"}));
}

TEST_F(LearningTest, AppendingToALineWithTheExitMarkerLosesTheMarker) {
  write("Words.Dat", {"ПОКА^До свидания!;@", "ПРИВЕТ^Здравствуй!;"});
  state.LastCpuPhrase = cp("Пока!");
  say("Ещё увидимся", {3, 2, 0});
  EXPECT_EQ(read("Words.Dat"),
            (Lines{"ПРИВЕТ^Здравствуй!;", "ЕЩЁ УВИДИМСЯ^", "ПОКА^До свидания!;@Ещё увидимся.;"}));
}

TEST_F(LearningTest, TheNewKeyLineTakesThePhraseWhenThePreviousReplyHadItsKeyForm) {
  state.LastCpuPhrase = cp("Ну и ну!");
  say("ну и ну", {2, 2, 0});
  EXPECT_EQ(read("Words.Dat"), (Lines{"ПРИВЕТ^Здравствуй!;", "НУ И НУ^Ну и ну.;"}));
}

TEST_F(LearningTest, ALearnedReplyAnswersTheNextTime) {
  write("Words.Dat", {"КАК ДЕЛА^"});
  state.LastCpuPhrase = cp("Как дела?");
  say("Отлично, спасибо.", {2, 2, 0});
  state = {};
  say("Как дела?", {2, 2, 1});
  EXPECT_EQ(reply(), "Отлично, спасибо.");
}

}  // namespace
}  // namespace engine_testing
