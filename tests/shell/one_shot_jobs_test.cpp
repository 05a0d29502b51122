// The one-shot jobs of start-up on the fake clock: the knowledge-base load and status (T3), the
// dialogue header (T12) and the statistics (T8); each failure shown once, nothing done twice.
#include <filesystem>

#include "base/date_time.h"
#include "shell/base_statistics.h"
#include "shell/dialogue_header.h"
#include "shell/knowledge_load.h"
#include "tests/shell/shell_fixture.h"
#include "toolkit/button.h"
#include "toolkit/edit.h"
#include "toolkit/menu.h"
#include "toolkit/rich_view.h"
#include "toolkit/status_bar.h"

namespace shell_testing {
namespace {

const std::string kLoading = "Идёт загрузка подождите...";
const std::string kLoaded = "Загрузка окончена";

class KnowledgeLoadTest : public ShellTest {
 protected:
  KnowledgeLoadTest() {
    for (int width : {130, 322, 50}) SB1.addPanel(width);
    T3.onTimer = [this] { load.T3Timer(); };
  }

  toolkit::StatusBar SB1;
  toolkit::Edit Input;
  toolkit::Button Speak;
  toolkit::LineList LBvrf;
  toolkit::Timer T3{clock, "T3", 1, true};
  shell::KnowledgeLoad load{{SB1, Input, Speak, LBvrf, T3}};
};

TEST_F(KnowledgeLoadTest, CountsMainPhrasesAndBranches) {
  const struct {
    const char* why;
    std::vector<std::string> words;
    std::string panel;
  } cases[] = {
      {.why = "the second line begins with _",
       .words = {"ПРИВЕТ^Привет!;", "_КАК ДЕЛА^Хорошо;", "ПОКА^Пока!;@"},
       .panel = "Программе известно:   [главные фразы - 2   ветки - 1]"},
      {.why = "_ alone is a branch, an empty line a main phrase, depth does not matter",
       .words = {"_", "", "__А^Б;"},
       .panel = "Программе известно:   [главные фразы - 1   ветки - 2]"},
      {.why = "an empty file",
       .words = {},
       .panel = "Программе известно:   [главные фразы - 0   ветки - 0]"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    writeAi("Words.Dat", c.words);
    Input.setReadOnly(true);
    T3.setEnabled(true);
    clock.advanceTicks(2);
    EXPECT_EQ(utf8(SB1.panelText(1)), c.panel);
    EXPECT_EQ(utf8(SB1.panelText(0)), kLoaded);
    EXPECT_FALSE(Input.readOnly());
    EXPECT_TRUE(Speak.enabled());
    EXPECT_FALSE(T3.enabled());
  }
  EXPECT_TRUE(box.shown.empty());
}

TEST_F(KnowledgeLoadTest, WithoutAKnowledgeBaseNoTurnCanStartAndTheBoxIsShownOnce) {
  Speak.setEnabled(true);
  clock.advanceTicks(5);
  EXPECT_EQ(shownMessages(),
            std::vector<std::string>{"Cannot open file Data base\\AI\\Words.Dat."});
  EXPECT_EQ(utf8(SB1.panelText(0)), kLoading);
  EXPECT_TRUE(Input.readOnly());
  EXPECT_FALSE(Speak.enabled());
  EXPECT_EQ(SB1.panelText(1), "");
}

class DialogueHeaderTest : public ShellTest {
 protected:
  DialogueHeaderTest() {
    T12.onTimer = [this] { header.T12Timer(); };
  }

  std::string dated(const std::string& lead) const {
    return lead + "Дата - " + utf8(base::formatShortDate(clock.now())) + "   |   Время - " +
           utf8(base::formatLongTime(clock.now()));
  }

  toolkit::RichView RE1;
  toolkit::LineList Log;
  toolkit::LineList LBvrf;
  toolkit::Timer T12{clock, "T12", 1, true};
  shell::DialogueHeader header{{RE1, Log, LBvrf, T12}, clock};
};

TEST_F(DialogueHeaderTest, ClearsTheViewAndWritesFourLinesOnce) {
  writeAi("Words.dat", {"ПРИВЕТ^Привет!;", "_КАК ДЕЛА^Хорошо;", "ПОКА^Пока!;@"});
  RE1.appendLine(cp("строка, показанная слишком рано"));
  clock.advanceTicks(1);
  const std::vector<std::string> expected = {std::string(53, '='), dated("Начало диалога: "),
                                             "//Загружено фраз и выражений выученных программой: 3",
                                             ""};
  EXPECT_EQ(utf8(Log.lines()), expected);
  EXPECT_EQ(RE1.lineCount(), 0u);
  clock.advanceTicks(3);
  EXPECT_EQ(Log.count(), 4u);
  EXPECT_TRUE(box.shown.empty());
}

TEST_F(DialogueHeaderTest, AMissingWordsDatIsShownOnceAndTheHeaderNotRepeated) {
  clock.advanceTicks(5);
  EXPECT_EQ(shownMessages(),
            std::vector<std::string>{"Cannot open file Data base\\AI\\Words.dat."});
  EXPECT_EQ(utf8(Log.lines()),
            (std::vector<std::string>{std::string(53, '='), dated("Начало диалога: ")}));
}

class BaseStatisticsTest : public ShellTest {
 protected:
  BaseStatisticsTest() {
    N18.setCaption(cp("&Входящие выражения:"));
    N19.setCaption(cp("&Исходящие выражения:"));
    N20.setCaption(cp("&Итого:"));
    T8.onTimer = [this] { statistics.T8Timer(); };
  }

  /// Writes every counted file with one line each, then the given files.
  void writeFiles(const std::map<std::string, std::vector<std::string>>& files) const {
    for (const char* name : {"Words.Dat", "AI.Dat", "Begin.Dat", "CPUpvt.Dat", "BigString.Dat",
                             "Pause.Dat", "Povtor.Dat", "W1.Dat", "W2.Dat", "X.Dat"})
      writeAi(name, {"строка"});
    for (const auto& [name, lines] : files) writeAi(name, lines);
  }
  std::vector<std::string> captions() const {
    return {utf8(N18.caption()), utf8(N19.caption()), utf8(N20.caption())};
  }

  toolkit::LineList LBvrf;
  toolkit::MenuItem N18{"N18"}, N19{"N19"}, N20{"N20"};
  toolkit::Timer T8{clock, "T8", 1000, true};
  shell::BaseStatistics statistics{{LBvrf, N18, N19, N20, T8}};
};

TEST_F(BaseStatisticsTest, TheCaptionsGetTheirNumbersOnceASecondAfterStart) {
  // Words.Dat: 3 lines with 4 ";" and 2 "|", the first line included; 9 other files of 1 line.
  writeFiles({{"Words.Dat", {"А^Б|В;Г;", "_Д^Е;", "Ж^З|И;"}}, {"W2.Dat", {"1", "2", "3"}}});
  clock.advanceMs(992);
  EXPECT_EQ(captions()[0], "&Входящие выражения:") << "not before a second";
  clock.advanceTicks(1);
  const std::vector<std::string> expected = {"&Входящие выражения: [3]",
                                             "&Исходящие выражения: [17]", "&Итого: [20]"};
  EXPECT_EQ(captions(), expected);
  clock.advanceMs(5000);
  EXPECT_EQ(captions(), expected) << "once per run";
}

TEST_F(BaseStatisticsTest, EmptyFilesCountZero) {
  writeFiles({});
  for (const char* name : {"Words.Dat", "AI.Dat", "Begin.Dat", "CPUpvt.Dat", "BigString.Dat",
                           "Pause.Dat", "Povtor.Dat", "W1.Dat", "W2.Dat", "X.Dat"})
    writeAi(name, {});
  clock.advanceMs(1008);
  EXPECT_EQ(captions(), (std::vector<std::string>{"&Входящие выражения: [0]",
                                                  "&Исходящие выражения: [0]", "&Итого: [0]"}));
}

TEST_F(BaseStatisticsTest, AMissingFileIsShownOnceAndNoCaptionGrowsTwice) {
  writeFiles({});
  std::filesystem::remove(folder.path() / "Data base/AI/Pause.Dat");
  clock.advanceMs(5000);
  EXPECT_EQ(shownMessages(),
            std::vector<std::string>{"Cannot open file Data base\\AI\\Pause.Dat."});
  EXPECT_EQ(captions(), (std::vector<std::string>{"&Входящие выражения: [1]",
                                                  "&Исходящие выражения:", "&Итого:"}));
}

}  // namespace
}  // namespace shell_testing
