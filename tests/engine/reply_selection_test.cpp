// Reply selection: the branch scan, the two main scans, alternatives with follow-ups and the exit
// marker. Draws of a turn that reaches Words.Dat: TurnDraw, the long-phrase draw, then the
// alternative (or the fallback's line), then the follow-up's draw when the reply has one.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/engine/engine_fixture.h"

namespace engine_testing {
namespace {

const std::vector<std::string> kMusic = {
    "ДА^Просто да.;",
    "ТЫ ЛЮБИШЬ МУЗЫКУ^Да, очень. А ты?;Люблю. А ты любишь?;",
    "_ДА^Какую музыку ты слушаешь?;",
    "__РОК^Рок - это здорово.|Я тоже его слушаю.;",
    "_НЕТ^Жаль.;",
    "ПОКА^До свидания!;Счастливо!;@",
};

struct Step {
  const char* why;
  std::string phrase;
  std::vector<int> draws;
  std::string reply;
  std::string followUp = "";
  int branchDepth;
  int branchLine;
};

class ReplySelectionTest : public EngineTest {
 protected:
  void run(const std::vector<Step>& steps) {
    for (const auto& step : steps) {
      SCOPED_TRACE(step.why);
      host.input = testing_support::cp(step.phrase);
      for (const int draw : step.draws) random.script({draw});
      engine.SpeakClick();
      EXPECT_EQ(reply(), step.reply);
      EXPECT_EQ(testing_support::utf8(state.FollowUpPhrase), step.followUp);
      EXPECT_EQ(state.BranchDepth, step.branchDepth);
      EXPECT_EQ(state.BranchLine, step.branchLine);
    }
  }
};

TEST_F(ReplySelectionTest, BranchLinesCarryTheMusicDialogueDeeper) {
  write("Words.Dat", kMusic);
  run({
      {.why = "the main line answers",
       .phrase = "Ты любишь музыку?",
       .draws = {2, 2, 1},
       .reply = "Да, очень. А ты?",
       .branchDepth = 1,
       .branchLine = 1},
      {.why = "its depth-1 branch answers before the earlier main line ДА",
       .phrase = "Да",
       .draws = {2, 2, 1},
       .reply = "Какую музыку ты слушаешь?",
       .branchDepth = 2,
       .branchLine = 2},
      {.why = "the depth-2 branch answers with its follow-up",
       .phrase = "Рок",
       .draws = {2, 2, 1, 2},
       .reply = "Рок - это здорово.",
       .followUp = "Я тоже его слушаю.",
       .branchDepth = 3,
       .branchLine = 3},
  });
}

TEST_F(ReplySelectionTest, ASecondBranchOfTheSameDepthAnswersAfterEitherReply) {
  write("Words.Dat", kMusic);
  run({
      {.why = "the second alternative",
       .phrase = "Ты любишь музыку?",
       .draws = {2, 2, 2},
       .reply = "Люблю. А ты любишь?",
       .branchDepth = 1,
       .branchLine = 1},
      {.why = "the depth-2 line between is passed over",
       .phrase = "Нет",
       .draws = {2, 2, 1},
       .reply = "Жаль.",
       .branchDepth = 2,
       .branchLine = 4},
      {.why = "the block ends at the next main line, the main scans answer",
       .phrase = "Пока",
       .draws = {2, 2, 2},
       .reply = "Счастливо!",
       .branchDepth = 1,
       .branchLine = 5},
  });
}

TEST_F(ReplySelectionTest, ABranchLineUnderALaterParentOfTheBlockCanAnswer) {
  write("Words.Dat", {"ТЫ ЛЮБИШЬ МУЗЫКУ^Да.;", "_ДА^Какую?;", "__КЛАССИКУ^Здорово.;", "_НЕТ^Жаль.;",
                      "__ЖАЛЬ^Мне тоже.;"});
  run({
      {.why = "main line",
       .phrase = "Ты любишь музыку?",
       .draws = {2, 2, 1},
       .reply = "Да.",
       .branchDepth = 1,
       .branchLine = 0},
      {.why = "depth 1",
       .phrase = "Да",
       .draws = {2, 2, 1},
       .reply = "Какую?",
       .branchDepth = 2,
       .branchLine = 1},
      {.why = "a depth-2 line below _НЕТ",
       .phrase = "Жаль",
       .draws = {2, 2, 1},
       .reply = "Мне тоже.",
       .branchDepth = 3,
       .branchLine = 4},
  });
}

TEST_F(ReplySelectionTest, TheEndOfTheFileEndsTheBlock) {
  write("Words.Dat", {"ПРИВЕТ^Здравствуй!;", "ДЕЛА^Хорошо.;"});
  run({
      {.why = "the last line answers",
       .phrase = "Как дела",
       .draws = {2, 2, 1},
       .reply = "Хорошо.",
       .branchDepth = 1,
       .branchLine = 1},
      {.why = "no line follows it: the main scans answer",
       .phrase = "Привет",
       .draws = {2, 2, 1},
       .reply = "Здравствуй!",
       .branchDepth = 1,
       .branchLine = 0},
  });
}

struct ScanCase {
  const char* why;
  std::vector<std::string> words;
  std::string phrase;
  std::string reply;
};

// A row whose reply is "Понятно." found no line: that is the W2.Dat fallback.
TEST_F(ReplySelectionTest, TheMainScansTryWholeKeysFirstThenKeyWords) {
  const ScanCase cases[] = {
      {.why = "the earlier line wins",
       .words = {"КАК^Первая.;", "ДЕЛА^Вторая.;"},
       .phrase = "Как дела?",
       .reply = "Первая."},
      {.why = "a whole key beats an earlier line found by words",
       .words = {"КАК ДЕЛА^По словам.;", "ТЕБЯ^Целиком.;"},
       .phrase = "Как у тебя дела?",
       .reply = "Целиком."},
      {.why = "key words with other words between",
       .words = {"КАК ДЕЛА^Хорошо.;"},
       .phrase = "Как у тебя дела?",
       .reply = "Хорошо."},
      {.why = "key words out of order",
       .words = {"ДЕЛА КАК^Хорошо.;"},
       .phrase = "Как дела",
       .reply = "Понятно."},
      {.why = "a later word is searched after the previous one",
       .words = {"ДА ДА^Дважды.;"},
       .phrase = "Неужели да",
       .reply = "Понятно."},
      {.why = "the same word twice",
       .words = {"ДА ДА^Дважды.;"},
       .phrase = "Да, да",
       .reply = "Дважды."},
      {.why = "a key found inside a word",
       .words = {"ДА^Нашёл.;"},
       .phrase = "Когда?",
       .reply = "Нашёл."},
      {.why = "a learned key ending with a blank is found by its words",
       .words = {"ПРИВЕТ ^Нашёл.;"},
       .phrase = "Привет",
       .reply = "Нашёл."},
      {.why = "two blanks in a key make no empty word",
       .words = {"КАК  ДЕЛА^Нашёл.;"},
       .phrase = "Как дела?",
       .reply = "Нашёл."},
      {.why = "a key of blanks has no words",
       .words = {"  ^Пусто.;"},
       .phrase = "Как дела",
       .reply = "Понятно."},
      {.why = "a lower-case key is never found",
       .words = {"привет^Нашёл.;"},
       .phrase = "Привет",
       .reply = "Понятно."},
      {.why = "a key without alternatives never answers",
       .words = {"ПРИВЕТ^", "ПРИВЕТ^Второй.;"},
       .phrase = "Привет",
       .reply = "Второй."},
      {.why = "lines that break the syntax are passed over",
       .words = {"ПРИВЕТ^Без точки с запятой", "ПРИВЕТ^;", "ПРИВЕТ;^Да;", "", "ПРИВЕТ",
                 "ПРИВЕТ^Хвост;лишний", "ПРИВЕТ^|Нет ответа;", "^ПРИВЕТ;", "ПРИВЕТ^Верно.;"},
       .phrase = "Привет",
       .reply = "Верно."},
      {.why = "a branch key holds its depth marks for the main scans",
       .words = {"_ДА^Ветка.;"},
       .phrase = "Да",
       .reply = "Понятно."},
      {.why = "a phrase with the depth mark finds a branch line",
       .words = {"_ДА^Ветка.;"},
       .phrase = "А_да",
       .reply = "Ветка."},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.why);
    write("Words.Dat", row.words);
    state = {};
    // TurnDraw 2, long-phrase draw 2, then the first alternative or the first W2.Dat line.
    say(row.phrase, {2, 2, row.reply == "Понятно." ? 0 : 1});
    EXPECT_EQ(reply(), row.reply);
  }
}

TEST_F(ReplySelectionTest, EachAlternativeIsDrawnAndOnlyItsOwnFollowUpIsKept) {
  write("Words.Dat", {"ПРИВЕТ^Раз.;Два.|Потом два.;Три.;"});
  const std::string replies[] = {"Раз.", "Два.", "Три."};
  const std::string followUps[] = {"", "Потом два.", ""};
  for (int k = 1; k <= 3; ++k) {
    SCOPED_TRACE(k);
    state = {};
    // The second alternative has a follow-up, so its turn draws once more (2: T13 stays off).
    if (k == 2)
      random.script({2, 2, k, 2});
    else
      random.script({2, 2, k});
    host.input = testing_support::cp("Привет");
    engine.SpeakClick();
    EXPECT_EQ(reply(), replies[k - 1]);
    EXPECT_EQ(testing_support::utf8(state.FollowUpPhrase), followUps[k - 1]);
  }
}

std::vector<std::string> timerEvents(const std::vector<std::string>& events) {
  std::vector<std::string> timers;
  std::copy_if(events.begin(), events.end(), std::back_inserter(timers),
               [](const std::string& event) { return event.starts_with("T4 "); });
  return timers;
}

TEST_F(ReplySelectionTest, TheExitMarkerOfAMainLineStartsTheExitSequence) {
  write("Words.Dat", {"ПОКА^До свидания!;@", "ПРИВЕТ^Здравствуй!;"});
  say("Пока", {2, 2, 1});
  EXPECT_EQ(timerEvents(host.events), std::vector<std::string>{"T4 on"});
  host.forget();
  say("Привет", {2, 2, 1});
  EXPECT_EQ(timerEvents(host.events), std::vector<std::string>{"T4 off"})
      << "a main line without the marker stops the exit sequence";
}

TEST_F(ReplySelectionTest, ABranchReplyLeavesTheExitSequenceAloneWithOrWithoutFollowUp) {
  write("Words.Dat",
        {"ПОКА^Уже уходишь?;@", "_ДА^Тогда до встречи.|Заходи ещё.;@", "__НЕТ^Ну ладно.;"});
  say("Пока", {2, 2, 1});
  host.forget();
  say("Да", {2, 2, 1, 2});
  EXPECT_EQ(reply(), "Тогда до встречи.");
  EXPECT_TRUE(timerEvents(host.events).empty()) << "with a follow-up";
  host.forget();
  say("Нет", {2, 2, 1});
  EXPECT_EQ(reply(), "Ну ладно.");
  EXPECT_TRUE(timerEvents(host.events).empty()) << "without a follow-up";
  EXPECT_TRUE(host.timerEnabled(engine::EngineTimer::ExitSequence));
}

}  // namespace
}  // namespace engine_testing
