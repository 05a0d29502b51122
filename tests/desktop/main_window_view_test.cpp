// The main window's Qt view on the offscreen platform: it shows what the model holds and passes
// what the user does back.
#include "desktop/main_window_view.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>

#include "base/random_source.h"
#include "desktop/qt_text.h"
#include "shell/transcript.h"
#include "tests/support/cp1251_literals.h"
#include "tests/support/toolkit_fakes.h"
#include "tests/support/working_folder.h"

namespace {

using testing_support::cp;

// Types text as key presses carrying characters, as a keyboard in any layout does.
void typeText(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &release);
  }
}

class MainWindowViewTest : public testing::Test {
 protected:
  testing_support::WorkingFolder folder;
  testing_support::RecordingErrorBox box;
  toolkit::ErrorDispatch errors{box, cp("Болтомир")};
  toolkit::FakeClock clock{errors};
  testing_support::FakeScreen screen;
  testing_support::RecordingPlayer mp, mp2;
  // The view does not care which draws come; the shake needs real ones to end its redraws.
  base::ClockSeededRandom random;
  toolkit::Application application;
  shell::TForm1 form{{clock, screen, mp, mp2, random, application}};
  desktop::ViewSync views{errors};
  desktop::MainWindowView view{form, application, views};

  MainWindowViewTest() {
    folder.writeLines("Data base/AI/Words.Dat", {"ПРИВЕТ^Здравствуй!;"});
    folder.writeLines("Data base/AI/Begin.dat", {"Добрый день!"});
    views.addView([this] { view.sync(); });
    form.Self.show();
    views.syncAll();
    // The start-up jobs (header, loading, shake, greeting) run on the first ticks.
    tick();
    tick();
    form.T10.setEnabled(false);
    form.RE1.clear();
    tick();  // the commands follow the empty view
  }

  void tick() {
    clock.advanceTicks();
    views.syncAll();
  }

  QToolButton* button(const char* utf8Caption) {
    for (auto* b : view.findChildren<QToolButton*>())
      if (b->text() == QString::fromUtf8(utf8Caption)) return b;
    return nullptr;
  }
};

TEST_F(MainWindowViewTest, MenuBarShowsEveryMenuInCyrillic) {
  QStringList captions;
  for (QAction* action : view.menuBar()->actions()) captions << action->text();
  EXPECT_EQ(captions, (QStringList{"&Система", "&Настройки", "Сервис", "С&правка"}));
}

TEST_F(MainWindowViewTest, EveryMenuItemCaptionComesFromTheModelInCyrillic) {
  QStringList captions;
  std::function<void(QMenu*)> collect = [&](QMenu* menu) {
    for (QAction* action : menu->actions()) {
      if (action->isSeparator()) continue;
      captions << action->text();
      if (action->menu()) collect(action->menu());
    }
  };
  for (QAction* action : view.menuBar()->actions()) collect(action->menu());
  const QStringList expected{"&Новый диалог",
                             "&Подробнее о базе:",
                             "&Входящие выражения:",
                             "&Исходящие выражения:",
                             "&Итого:",
                             "В&ыход",
                             "&Цвет основного фона ",
                             "Ц&вет фона поля вывода реплик",
                             "Цв&ет фона поля ввода реплик",
                             "Цве&т шрифтов кнопок на панели",
                             "Цвет &реплик",
                             "&User",
                             "&Cpu",
                             "&My string",
                             "&Параметры шрифта",
                             "&User",
                             "&Cpu",
                             "&My string",
                             "Вернуть первоначальные настройки",
                             "Имя",
                             "&Вызвать виртуальную клавиатуру",
                             "Speed Word",
                             "&Full Screen",
                             "&Режим",
                             "&Cpu\\User",
                             "C&pu\\Cpu",
                             "Ре&дактор",
                             "&О программе..."};
  EXPECT_EQ(captions, expected);
}

TEST_F(MainWindowViewTest, WindowHasItsCaptionAndDesignedClientArea) {
  EXPECT_EQ(view.windowTitle(), QString::fromUtf8("-=БОЛТОМИР=-   [v2.56]"));
  EXPECT_EQ(view.width(), 587);
  EXPECT_EQ(view.height() - view.menuBar()->sizeHint().height(), 361);
  EXPECT_FALSE(view.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(view.windowFlags() & Qt::WindowMinimizeButtonHint);
}

TEST_F(MainWindowViewTest, StatusBarHasThreePanelsAndTheModeInTheLast) {
  const auto labels = view.statusBar()->findChildren<QLabel*>();
  ASSERT_EQ(labels.size(), 3);
  EXPECT_EQ(labels[0]->width(), 130);
  EXPECT_EQ(labels[1]->width(), 322);
  EXPECT_EQ(labels[2]->width(), 50);
  EXPECT_EQ(labels[2]->text(), QString::fromUtf8("Режим Cpu\\User"));
}

TEST_F(MainWindowViewTest, TypingEnablesSayAtTheNextTickAndDeletingDisablesIt) {
  QToolButton* say = button("Сказать");
  ASSERT_NE(say, nullptr);
  EXPECT_FALSE(say->isEnabled());
  typeText(view.inputField(), QString::fromUtf8("д"));
  EXPECT_EQ(form.Input.text(), cp("д"));
  EXPECT_FALSE(say->isEnabled()) << "the command state follows at the next tick, not at once";
  tick();
  EXPECT_TRUE(say->isEnabled());
  QTest::keyClick(view.inputField(), Qt::Key_Backspace);
  tick();
  EXPECT_FALSE(say->isEnabled());
}

TEST_F(MainWindowViewTest, TypingStopsAtTheLimitButCodeMayAssignMore) {
  form.Input.setText(std::string(255, 'a'));
  views.syncAll();
  view.inputField()->end(false);
  typeText(view.inputField(), "b");
  EXPECT_EQ(form.Input.text().size(), 255u);
  form.Input.setText(std::string(300, 'c'));
  views.syncAll();
  EXPECT_EQ(view.inputField()->text().size(), 300);
}

TEST_F(MainWindowViewTest, CharacterThatCp1251LacksBecomesAQuestionMark) {
  typeText(view.inputField(), QString::fromUtf8("я♥"));
  EXPECT_EQ(form.Input.text(), cp("я?"));
  EXPECT_EQ(view.inputField()->text(), QString::fromUtf8("я?"));
}

TEST_F(MainWindowViewTest, DialogueLinesAppearInTheirStyle) {
  form.FontDialog1.setFont({"MS Sans Serif", 12, toolkit::FontStyle::Bold, 0});
  form.ColorDialog2.setColor(0x0000FF);
  form.transcript().ShowUserLine(cp("Привет."));
  form.transcript().ShowCpuLine(cp("Здравствуй!"));
  views.syncAll();
  EXPECT_EQ(view.dialogueView()->toPlainText(), QString::fromUtf8("Привет.\nЗдравствуй!"));
  QTextCursor first(view.dialogueView()->document()->firstBlock());
  first.movePosition(QTextCursor::NextCharacter);
  EXPECT_EQ(first.charFormat().foreground().color(), QColor(255, 0, 0));
  EXPECT_TRUE(first.charFormat().font().bold());
  QTextCursor second(view.dialogueView()->document()->lastBlock());
  second.movePosition(QTextCursor::NextCharacter);
  EXPECT_EQ(second.charFormat().foreground().color(), QColor(0, 0, 0));
  EXPECT_FALSE(second.charFormat().font().bold());
}

TEST_F(MainWindowViewTest, TypedPhraseAndEnterShowTheNormalisedLineAndTheReplyInTheirStyles) {
  form.ColorDialog2.setColor(0xFF0000);  // blue user lines
  form.ColorDialog3.setColor(0x008000);  // green bot lines
  typeText(view.inputField(), QString::fromUtf8("привет"));
  tick();
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(view.inputField(), &enter);
  ASSERT_TRUE(box.shown.empty()) << testing_support::utf8(box.shown.front().message);
  EXPECT_EQ(view.dialogueView()->toPlainText(), QString::fromUtf8("Привет.\nЗдравствуй!"));
  QTextCursor user(view.dialogueView()->document()->firstBlock());
  user.movePosition(QTextCursor::NextCharacter);
  EXPECT_EQ(user.charFormat().foreground().color(), QColor(0, 0, 255));
  QTextCursor bot(view.dialogueView()->document()->lastBlock());
  bot.movePosition(QTextCursor::NextCharacter);
  EXPECT_EQ(bot.charFormat().foreground().color(), QColor(0, 128, 0));
  EXPECT_EQ(view.inputField()->text(), QString()) << "the turn empties the input field";
}

TEST_F(MainWindowViewTest, CtrlZInTheInputFieldUndoesTheLastLineOnlyWhileItIsEnabled) {
  form.transcript().ShowUserLine(cp("Раз."));
  form.transcript().ShowCpuLine(cp("Два."));
  form.Input.setText(cp("текст"));
  views.syncAll();
  view.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  QTest::keyClick(view.inputField(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(form.RE1.lineCount(), 2u) << "the undo command is enabled only at the next tick";
  tick();
  QTest::keyClick(view.inputField(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(form.RE1.lineCount(), 1u);
  EXPECT_EQ(form.Input.text(), cp("текст")) << "the input field keeps its text";
}

}  // namespace
