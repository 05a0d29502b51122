// The main window's commands as the user reaches them: the record that "В&ыход" appends to
// Log.dat after a plain start, a new dialogue and an undo; what the new dialogue does and leaves;
// undo by "<" and Ctrl+Z; and the one-shot jobs wired to their timers.

#include <filesystem>

#include "base/date_time.h"
#include "shell/transcript.h"
#include "tests/shell/shell_fixture.h"
#include "tests/support/file_size_limit.h"

namespace shell_testing {
namespace {

const std::string kSeparator(53, '=');

class MainWindowCommandsTest : public MainWindowTest {
 protected:
  MainWindowCommandsTest() {
    writeAi("Words.dat", {"ПРИВЕТ^Привет!;", "_КАК ДЕЛА^Хорошо;", "ПОКА^Пока!;@"});
    writeAi("Log.dat", {"прошлая запись"});
    writeSettings(settingsRows());
    writeCues();
    errors.runEvent([this] { form.FormCreate(); });
  }

  std::string dated(const std::string& lead) const {
    return lead + "Дата - " + utf8(base::formatShortDate(clock.now())) + "   |   Время - " +
           utf8(base::formatLongTime(clock.now()));
  }
  std::string stamped(const std::string& speaker, const std::string& text) const {
    return "[" + utf8(base::formatLongTime(clock.now())) + "] " + speaker + text;
  }
  std::vector<std::string> header() const {
    return {kSeparator, dated("Начало диалога: "),
            "//Загружено фраз и выражений выученных программой: 3", ""};
  }
  void writeStatisticsFiles() const {
    for (const char* name : {"AI.Dat", "Begin.Dat", "CPUpvt.Dat", "BigString.Dat", "Pause.Dat",
                             "Povtor.Dat", "W1.Dat", "W2.Dat", "X.Dat"})
      writeAi(name, {});
  }
  /// Log.dat as it was, then one record of these dialogue-log lines.
  std::vector<std::string> logFileWith(const std::vector<std::string>& logLines) const {
    std::vector<std::string> lines = {"прошлая запись", ""};
    lines.insert(lines.end(), logLines.begin(), logLines.end());
    lines.insert(lines.end(), {"", dated("Конец диалога: "), kSeparator});
    return lines;
  }
  std::vector<std::string> logFile() const { return folder.readLines("Data base/AI/Log.dat"); }
  void exitCommand() {
    errors.runEvent([this] { form.N4.click(); });
  }
};

TEST_F(MainWindowCommandsTest, LeavingRightAfterStartRecordsTheHeaderOnly) {
  form.T12.onTimer();
  exitCommand();
  EXPECT_EQ(logFile(), logFileWith(header()));
  EXPECT_TRUE(form.Self.closed());
  EXPECT_TRUE(box.shown.empty());
}

TEST_F(MainWindowCommandsTest, LeavingAfterASilentNewDialogueRecordsNoHeader) {
  form.T12.onTimer();
  form.transcript().ShowUserLine(cp("Привет"));
  form.N2.click();
  exitCommand();
  EXPECT_EQ(logFile(), logFileWith({}));
}

TEST_F(MainWindowCommandsTest, ALineRemovedByUndoDoesNotReachLogDat) {
  form.T12.onTimer();
  form.transcript().ShowUserLine(cp("Привет"));
  form.transcript().ShowCpuLine(cp("Здравствуй!"));
  form.Cancel.click();
  exitCommand();
  auto expected = header();
  expected.push_back(stamped("USER:     ", "Привет"));
  EXPECT_EQ(logFile(), logFileWith(expected));
}

TEST_F(MainWindowCommandsTest, LogDatIsRewrittenWholeWithCrLf) {
  const struct {
    const char* why;
    std::string before;
    std::string startsWith;
  } cases[] = {
      {.why = "an empty file gets the record at its top", .before = "", .startsWith = "\r\n\r\n"},
      {.why = "lone line ends come back as CR LF, a last line gets its break, a NUL ends the text",
       .before = std::string("a\nb\rc\0d", 7),
       .startsWith = "a\r\nb\r\nc\r\n\r\n\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    folder.writeBytes("Data base/AI/Log.dat", c.before);
    exitCommand();
    EXPECT_EQ(folder.readBytes("Data base/AI/Log.dat").substr(0, c.startsWith.size()),
              c.startsWith);
  }
}

TEST_F(MainWindowCommandsTest, AMissingLogDatIsReportedAndTheProgramGoesOn) {
  std::filesystem::remove(folder.path() / "Data base/AI/Log.dat");
  exitCommand();
  EXPECT_EQ(shownMessages(), std::vector<std::string>{"Cannot open file Data base\\AI\\Log.dat."});
  EXPECT_FALSE(form.Self.closed());
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "Data base/AI/Log.dat"));
}

TEST_F(MainWindowCommandsTest, ALogDatThatCannotBeWrittenStaysAsItWas) {
  form.T12.onTimer();
  const std::string before = folder.readBytes("Data base/AI/Log.dat");
  {
    // A file size limit refuses the new text halfway, even for root.
    const testing_support::FileSizeLimit limit(64);
    exitCommand();
  }
  EXPECT_EQ(shownMessages(),
            std::vector<std::string>{"Cannot create file Data base\\AI\\Log.dat."});
  EXPECT_FALSE(form.Self.closed());
  EXPECT_EQ(folder.readBytes("Data base/AI/Log.dat"), before);
}

TEST_F(MainWindowCommandsTest, ANewDialogueStartsAfreshAndLeavesTheRestAsItWas) {
  writeStatisticsFiles();
  form.T12.onTimer();
  form.T8.onTimer();
  form.transcript().ShowUserLine(cp("Привет"));
  auto& state = form.Conversation;
  state.LastUserPhrase = cp("ПРИВЕТ");
  state.LastCpuPhrase = cp("Привет!");
  state.FollowUpPhrase = cp("Как дела?");
  state.IdleTicks = 42;
  state.BranchDepth = 1;
  form.Input.setText(cp("недописанная фраза"));
  int inputChanges = 0;
  form.Input.onChange = [&] { ++inputChanges; };
  for (auto* timer : {&form.T3, &form.T7, &form.T10}) timer->setEnabled(false);
  form.T9.setEnabled(true);
  const std::string statistics = form.N18.caption();
  const std::string logDat = folder.readBytes("Data base/AI/Log.dat");
  // A new row 4 is taken; a new row 7 is not applied again.
  writeSettings(settingsRows({{4, "Sound=NO"}, {7, "WindowColor=255"}}));

  form.N2.click();

  EXPECT_EQ(form.Config.SwitchValue(4), "NO") << "the settings are read again";
  EXPECT_EQ(form.Self.color(), toolkit::kSilver) << "the look is not applied again";
  EXPECT_EQ(state.LastUserPhrase, "");
  EXPECT_EQ(state.LastCpuPhrase, "");
  EXPECT_EQ(utf8(state.FollowUpPhrase), "Как дела?");
  EXPECT_EQ(state.IdleTicks, 42);
  EXPECT_EQ(state.BranchDepth, 1);
  EXPECT_EQ(form.RE1.lineCount(), 0u);
  EXPECT_TRUE(form.Log.empty()) << "no header for the new dialogue";
  EXPECT_EQ(form.Input.text(), "");
  EXPECT_EQ(inputChanges, 1);
  EXPECT_TRUE(form.T3.enabled() && form.T7.enabled() && form.T10.enabled());
  EXPECT_TRUE(form.T9.enabled()) << "a pending delayed remark stays pending";
  EXPECT_EQ(form.N18.caption(), statistics);
  EXPECT_TRUE(form.CpuUser1.checked());
  EXPECT_EQ(folder.readBytes("Data base/AI/Log.dat"), logDat) << "the old dialogue is lost";
}

TEST_F(MainWindowCommandsTest, ANewDialogueWithoutSettingsChangesNothing) {
  form.transcript().ShowUserLine(cp("Привет"));
  form.Conversation.LastUserPhrase = cp("ПРИВЕТ");
  form.T3.setEnabled(false);
  std::filesystem::remove(folder.path() / "Data base/ini/Config.ini");
  errors.runEvent([this] { form.N2.click(); });
  EXPECT_EQ(shownMessages(),
            std::vector<std::string>{"Cannot open file Data base\\ini\\Config.ini."});
  EXPECT_EQ(form.RE1.lineCount(), 1u);
  EXPECT_EQ(form.Log.count(), 1u);
  EXPECT_EQ(utf8(form.Conversation.LastUserPhrase), "ПРИВЕТ");
  EXPECT_FALSE(form.T3.enabled());
  EXPECT_EQ(form.ConfigFile.count(), 31u) << "the settings read at start stay";
}

TEST_F(MainWindowCommandsTest, UndoRemovesTheLastLineOfEachListIndependently) {
  const struct {
    const char* why;
    int viewLines;
    int logLines;
    std::size_t viewAfter;
    std::size_t logAfter;
  } cases[] = {
      {.why = "both lose their last line",
       .viewLines = 2,
       .logLines = 3,
       .viewAfter = 1,
       .logAfter = 2},
      {.why = "an empty view loses nothing, the log still its last line",
       .viewLines = 0,
       .logLines = 4,
       .viewAfter = 0,
       .logAfter = 3},
      {.why = "an empty log loses nothing",
       .viewLines = 1,
       .logLines = 0,
       .viewAfter = 0,
       .logAfter = 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    form.RE1.clear();
    form.Log.clear();
    for (int i = 0; i < c.viewLines; ++i) form.RE1.appendLine("view");
    for (int i = 0; i < c.logLines; ++i) form.Log.add("log " + std::to_string(i));
    form.T7.setEnabled(false);
    form.Cancel.click();
    EXPECT_EQ(form.RE1.lineCount(), c.viewAfter);
    EXPECT_EQ(form.Log.count(), c.logAfter);
    if (c.logAfter > 0) {
      EXPECT_EQ(form.Log.lines().back(), "log " + std::to_string(c.logAfter - 1));
    }
    EXPECT_TRUE(form.T7.enabled()) << "the shake runs again";
  }
}

TEST_F(MainWindowCommandsTest, CtrlZUndoesWhileItsItemIsEnabled) {
  form.RE1.appendLine("view");
  form.N3.setEnabled(false);
  EXPECT_FALSE(form.MainMenu.pressShortcut("Ctrl+Z"));
  EXPECT_EQ(form.RE1.lineCount(), 1u);
  form.N3.setEnabled(true);
  EXPECT_TRUE(form.MainMenu.pressShortcut("Ctrl+Z"));
  EXPECT_EQ(form.RE1.lineCount(), 0u);
}

TEST_F(MainWindowCommandsTest, TheOneShotJobsRunOnTheirTimers) {
  form.T3.onTimer();
  EXPECT_EQ(utf8(form.SB1.panelText(0)), "Загрузка окончена");

  writeStatisticsFiles();
  form.T8.onTimer();
  EXPECT_EQ(utf8(form.N18.caption()), "&Входящие выражения: [3]");

  random.script({125});
  for (int jump = 0; jump < 125; ++jump) random.script({95, 95});
  form.T7.onTimer();
  EXPECT_TRUE(form.T10.enabled());
  EXPECT_EQ(form.Self.left(), (1024 - 587) / 2);

  const int top = form.Self.top();
  form.T4.onTimer();
  EXPECT_EQ(form.Self.top(), top - 2);
}

}  // namespace
}  // namespace shell_testing
