// The semantics the windows rely on: change notifications, clicks by code and by the user, the
// default button, shortcuts on separator items, the dialogue view's lines, bounds-checked lists.
#include <gtest/gtest.h>

#include "base/errors.h"
#include "toolkit/button.h"
#include "toolkit/edit.h"
#include "toolkit/line_list.h"
#include "toolkit/menu.h"
#include "toolkit/rich_view.h"
#include "toolkit/window.h"

namespace {

TEST(EditTest, AssigningTheSameTextRaisesNoChangeAndAnyOtherExactlyOne) {
  toolkit::Edit edit;
  int changes = 0;
  edit.onChange = [&] { ++changes; };
  edit.setText("abc");
  edit.setText("abc");
  EXPECT_EQ(changes, 1);
  edit.setText("");
  EXPECT_EQ(changes, 2);
  edit.setText("");
  EXPECT_EQ(changes, 2);
}

TEST(EditTest, TypingLimitHoldsForTypingOnly) {
  toolkit::Edit edit;
  edit.setMaxLength(3);
  EXPECT_TRUE(edit.typeText("abc"));
  EXPECT_FALSE(edit.typeText("abcd"));
  EXPECT_EQ(edit.text(), "abc");
  edit.setText("assigned beyond the limit");
  EXPECT_EQ(edit.text(), "assigned beyond the limit");
  EXPECT_TRUE(edit.typeText("assigned beyond the limi")) << "deleting is always possible";
}

TEST(EditTest, ReadOnlyOrDisabledFieldTakesNoTyping) {
  toolkit::Edit edit;
  edit.setReadOnly(true);
  EXPECT_FALSE(edit.typeText("a"));
  edit.setReadOnly(false);
  edit.setEnabled(false);
  EXPECT_FALSE(edit.typeText("a"));
  EXPECT_EQ(edit.text(), "");
  edit.setText("code may still assign");
  EXPECT_EQ(edit.text(), "code may still assign");
}

TEST(ButtonTest, ClickByCodeRunsWhateverTheStateAndUserClickOnlyWhileEnabled) {
  toolkit::Button button;
  int runs = 0;
  button.onClick = [&] { ++runs; };
  button.setEnabled(false);
  button.userClick();
  EXPECT_EQ(runs, 0);
  button.click();
  EXPECT_EQ(runs, 1);
  button.setEnabled(true);
  button.userClick();
  EXPECT_EQ(runs, 2);
}

TEST(WindowTest, EnterClicksTheDefaultButtonOnlyWhileItIsEnabled) {
  toolkit::Window window;
  toolkit::Button talk;
  int runs = 0;
  talk.onClick = [&] { ++runs; };
  EXPECT_FALSE(window.pressEnter()) << "no default button";
  window.setDefaultButton(&talk);
  talk.setEnabled(false);
  EXPECT_FALSE(window.pressEnter());
  talk.setEnabled(true);
  EXPECT_TRUE(window.pressEnter());
  EXPECT_EQ(runs, 1);
}

TEST(WindowTest, CentresOnTheDesktopAndCloses) {
  toolkit::Window window;
  window.setGeometry({5, 7, 587, 361});
  window.centreOn(1024, 768);
  EXPECT_EQ(window.left(), (1024 - 587) / 2);
  EXPECT_EQ(window.top(), (768 - 361) / 2);
  window.show();
  window.close();
  EXPECT_TRUE(window.closed());
  EXPECT_FALSE(window.visible());
}

class MenuTest : public testing::Test {
 protected:
  toolkit::MenuBar bar;
  toolkit::MenuItem system{"N1"}, undo{"N3"}, exit{"N4"};
  int undos = 0;
  MenuTest() {
    undo.setCaption("-");
    undo.setShortcut("Ctrl+Z");
    undo.onClick = [this] { ++undos; };
    system.add(undo);
    system.add(exit);
    bar.add(system);
  }
};

TEST_F(MenuTest, SeparatorItemStillReactsToItsShortcutWhileEnabled) {
  EXPECT_TRUE(undo.isSeparator());
  EXPECT_TRUE(bar.pressShortcut("Ctrl+Z"));
  EXPECT_EQ(undos, 1);
}

TEST_F(MenuTest, ShortcutOfADisabledItemOrMenuDoesNothing) {
  undo.setEnabled(false);
  EXPECT_FALSE(bar.pressShortcut("Ctrl+Z"));
  undo.setEnabled(true);
  system.setEnabled(false);
  EXPECT_FALSE(bar.pressShortcut("Ctrl+Z"));
  EXPECT_EQ(undos, 0);
}

TEST_F(MenuTest, UnknownOrEmptyShortcutIsNotTaken) {
  EXPECT_FALSE(bar.pressShortcut("F5"));
  EXPECT_FALSE(bar.pressShortcut(""));
}

TEST(RichViewTest, EachLineKeepsTheStyleItWasAppendedIn) {
  toolkit::RichView view;
  view.setInsertionStyle({0x0000FF, "Arial", 10, toolkit::FontStyle::Bold});
  view.appendLine("one");
  view.setInsertionStyle({0, "MS Sans Serif", 8, toolkit::FontStyle::Regular});
  view.appendLine("two");
  ASSERT_EQ(view.lineCount(), 2u);
  EXPECT_EQ(view.lines()[0].style.color, 0x0000FF);
  EXPECT_EQ(view.lines()[0].style.fontStyle, toolkit::FontStyle::Bold);
  EXPECT_EQ(view.lines()[1].style.fontName, "MS Sans Serif");
}

TEST(RichViewTest, RemovingFromAnEmptyViewDoesNothingAndOnlyRealRemovalsRelayout) {
  toolkit::RichView view;
  const auto epoch = view.layoutEpoch();
  view.removeLastLine();
  EXPECT_EQ(view.layoutEpoch(), epoch);
  view.appendLine("a");
  EXPECT_EQ(view.layoutEpoch(), epoch) << "an append is drawn without a relayout";
  view.removeLastLine();
  EXPECT_EQ(view.lineCount(), 0u);
  EXPECT_NE(view.layoutEpoch(), epoch);
}

TEST(LineListTest, AccessOutsideTheListFailsWithTheIndexInTheMessage) {
  toolkit::LineList list;
  list.add("only");
  EXPECT_EQ(list.get(0), "only");
  for (long long index : {1LL, -1LL, 5LL}) {
    try {
      list.get(index);
      ADD_FAILURE() << "no failure for " << index;
    } catch (const base::Error& error) {
      EXPECT_EQ(std::string(error.what()),
                "List index out of bounds (" + std::to_string(index) + ")");
    }
  }
  EXPECT_THROW(list.remove(1), base::Error);
  list.removeLast();
  list.removeLast();
  EXPECT_TRUE(list.empty());
}

}  // namespace
