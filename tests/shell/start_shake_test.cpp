// The start shake: its draws, the commands locked while the window jumps, the window centred and
// everything given back after it, the greeting armed, and row 3 switching it off.
#include "shell/start_shake.h"

#include "tests/shell/shell_fixture.h"
#include "toolkit/edit.h"
#include "toolkit/menu.h"

namespace shell_testing {
namespace {

using toolkit::Cursor;
using toolkit::Geometry;

/// A screen that notes, when the shake asks for the desktop size to centre the window, where the
/// window stands after its last jump and whether the commands are locked.
class WatchingScreen final : public toolkit::Screen {
 public:
  int desktopWidth() const override {
    if (onDesktopSize) onDesktopSize();
    return 1024;
  }
  int desktopHeight() const override { return 768; }
  void setCursor(Cursor cursor) override { cursors.push_back(cursor); }

  std::function<void()> onDesktopSize;
  std::vector<Cursor> cursors;
};

class StartShakeTest : public ShellTest {
 protected:
  StartShakeTest() {
    writeCues();
    setShakeRow("Shake=YES");
    Self.setGeometry({218, 203, 587, 361});
    T7.onTimer = [this] { shake.T7Timer(); };
    // The greeting, a one-shot job of its own.
    T10.onTimer = [this] {
      ++greetings;
      T10.setEnabled(false);
    };
    watching.onDesktopSize = [this] {
      lastJump = Self.geometry();
      lockedWhileJumping =
          Input.readOnly() && !N1.enabled() && !N5.enabled() && !N11.enabled() && !N25.enabled();
    };
  }

  void setShakeRow(const std::string& utf8Line) {
    ConfigFile.assignLines({"Program=Boltomir", "Version=2.56", cp(utf8Line), "Sound=YES"});
  }
  /// Scripts the jump count's draws, then `jumps` jumps to (x, y), each coordinate drawn after
  /// the rejected draws given.
  void scriptShake(std::initializer_list<int> countDraws, int jumps, int x, int y,
                   std::initializer_list<int> rejected = {}) {
    random.script(countDraws);
    for (int jump = 0; jump < jumps; ++jump) {
      random.script(rejected);
      random.script({x});
      random.script(rejected);
      random.script({y});
    }
  }

  WatchingScreen watching;
  toolkit::Window Self;
  toolkit::Edit Input;
  toolkit::MenuItem N1{"N1"}, N5{"N5"}, N11{"N11"}, N25{"N25"};
  toolkit::Timer T7{clock, "T7", 1, true};
  toolkit::Timer T10{clock, "T10", 1, false};
  toolkit::LineList ConfigFile;
  shell::Settings config{ConfigFile};
  shell::SoundCues cues{config};
  shell::StartShake shake{{Self, Input, N1, N5, N11, N25, T7, T10, MP},
                          {config, cues, watching, random}};
  int greetings = 0;
  Geometry lastJump;
  bool lockedWhileJumping = false;
};

TEST_F(StartShakeTest, JumpsWhileLockedThenStandsCentredAndArmsTheGreeting) {
  scriptShake({1, 124, 125}, 125, 95, 105);
  clock.advanceTicks(1);
  EXPECT_EQ(lastJump, (Geometry{95, 105, 587, 361})) << "left from x, top from y";
  EXPECT_TRUE(lockedWhileJumping);
  EXPECT_EQ(Self.geometry(), (Geometry{(1024 - 587) / 2, (768 - 361) / 2, 587, 361}));
  EXPECT_FALSE(Input.readOnly());
  for (const auto* menu : {&N1, &N5, &N11, &N25}) EXPECT_TRUE(menu->enabled()) << menu->name();
  EXPECT_EQ(watching.cursors, (std::vector<Cursor>{Cursor::Hourglass, Cursor::Default}));
  EXPECT_EQ(MP.calls, (std::vector<std::string>{"open Data base\\Sound\\Button1.wav", "play"}));
  EXPECT_EQ(random.reseeds(), 1);
  EXPECT_FALSE(T7.enabled());
  EXPECT_TRUE(T10.enabled());
  clock.advanceTicks(3);
  EXPECT_EQ(greetings, 1) << "the greeting comes after the shake";
  EXPECT_TRUE(box.shown.empty());
}

TEST_F(StartShakeTest, EveryDrawBelowItsLowerBoundIsDrawnAgain) {
  // 250 jumps, each coordinate drawn three times: 1 and 94 are rejected, 100 taken. A jump count
  // or a coordinate drawn straight from its range would leave scripted draws over (or draw
  // outside 1..250 and 1..105), which fails the test.
  scriptShake({250}, 250, 100, 100, {1, 94});
  clock.advanceTicks(1);
  EXPECT_EQ(lastJump, (Geometry{100, 100, 587, 361}));
}

TEST_F(StartShakeTest, RowThreeReadingNoKeepsTheWindowStill) {
  const struct {
    const char* why;
    std::string row3;
    bool shakes;
  } cases[] = {
      {.why = "NO", .row3 = "Shake=NO", .shakes = false},
      {.why = "no in small letters", .row3 = "Shake=no", .shakes = false},
      {.why = "a blank after NO is not NO", .row3 = "Shake=NO ", .shakes = true},
      {.why = "an empty row shakes", .row3 = "Shake=", .shakes = true},
      {.why = "YES shakes", .row3 = "Shake=YES", .shakes = true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    MP.calls.clear();
    watching.cursors.clear();
    T7.setEnabled(true);
    T10.setEnabled(false);
    setShakeRow(c.row3);
    if (c.shakes) scriptShake({125}, 125, 95, 95);
    clock.advanceTicks(1);
    EXPECT_EQ(T7.enabled(), !c.shakes) << "a window kept still stays armed";
    EXPECT_EQ(T10.enabled(), c.shakes);
    EXPECT_EQ(MP.calls.empty(), !c.shakes);
    EXPECT_EQ(watching.cursors.empty(), !c.shakes);
    EXPECT_FALSE(Input.readOnly());
    EXPECT_TRUE(N1.enabled() && N5.enabled() && N11.enabled() && N25.enabled());
  }
}

TEST_F(StartShakeTest, AWindowKeptStillShakesOnceRowThreeChanges) {
  setShakeRow("Shake=NO");
  clock.advanceTicks(5);
  setShakeRow("Shake=YES");
  scriptShake({125}, 125, 95, 95);
  clock.advanceTicks(1);
  EXPECT_FALSE(T7.enabled());
  EXPECT_TRUE(T10.enabled());
}

TEST_F(StartShakeTest, ARowThreeThatCannotBeReadIsShownOnceAndChangesNothing) {
  ConfigFile.assignLines({"Program=Boltomir", "Version=2.56"});
  clock.advanceTicks(5);
  EXPECT_EQ(shownMessages(), std::vector<std::string>{"List index out of bounds (2)"});
  EXPECT_TRUE(watching.cursors.empty());
  EXPECT_TRUE(N1.enabled());
  EXPECT_FALSE(T10.enabled());
}

}  // namespace
}  // namespace shell_testing
