// The exit sequence on the fake clock: its ticks and geometry, the "Close.wav" cue from the tenth
// tick, the exit on the 80th, a count that survives a pause, and a failing exit that ends the
// sequence with one box while the program goes on.
#include "shell/exit_sequence.h"

#include <algorithm>
#include <filesystem>

#include "tests/shell/shell_fixture.h"

namespace shell_testing {
namespace {

using toolkit::Geometry;

const std::string kClose = "Data base\\Sound\\Close.wav";

class ExitSequenceTest : public ShellTest {
 protected:
  ExitSequenceTest() {
    writeCues();
    writeAi("Log.dat", {});
    ConfigFile.assignLines({"Program=Boltomir", "Version=2.56", "Shake=YES", "Sound=YES"});
    Log.add(cp("[12:00:00] USER:     Пока"));
    Self.setGeometry(kStart);
    Self.show();
    T4.onTimer = [this] { sequence.T4Timer(); };
  }

  /// Where the window stands after `ticks` ticks of the sequence.
  static Geometry after(int ticks) {
    return {kStart.left - 3 * ticks, kStart.top - 2 * ticks, kStart.width - 10 * ticks,
            kStart.height - 8 * ticks};
  }
  int closeCues() const {
    return static_cast<int>(std::count(MP.calls.begin(), MP.calls.end(), "open " + kClose));
  }

  static constexpr Geometry kStart{400, 300, 587, 361};
  toolkit::Window Self;
  toolkit::LineList LBvrf, Log, ConfigFile;
  toolkit::Timer T4{clock, "T4", 1, true};
  shell::Settings config{ConfigFile};
  shell::SoundCues cues{config};
  shell::ExitCommand exitCommand{{LBvrf, Log, Self}, clock};
  shell::ExitSequence sequence{{Self, T4, MP}, exitCommand, cues};
};

TEST_F(ExitSequenceTest, ShrinksEveryTickCuesFromTheTenthAndEndsTheProgramOnTheEightieth) {
  const struct {
    int tick;
    int closeCues;
    bool closed;
  } checkpoints[] = {
      {.tick = 1, .closeCues = 0, .closed = false},   {.tick = 9, .closeCues = 0, .closed = false},
      {.tick = 10, .closeCues = 1, .closed = false},  {.tick = 11, .closeCues = 2, .closed = false},
      {.tick = 79, .closeCues = 70, .closed = false}, {.tick = 80, .closeCues = 71, .closed = true},
  };
  for (const auto& at : checkpoints) {
    SCOPED_TRACE("tick " + std::to_string(at.tick));
    clock.advanceTicks(at.tick - sequence.exitTicks());
    EXPECT_EQ(sequence.exitTicks(), at.tick);
    EXPECT_EQ(Self.geometry(), after(at.tick));
    EXPECT_EQ(closeCues(), at.closeCues);
    EXPECT_EQ(Self.closed(), at.closed);
  }
  EXPECT_FALSE(T4.enabled());
  EXPECT_EQ(folder.readLines("Data base/AI/Log.dat").at(1), "[12:00:00] USER:     Пока")
      << "the dialogue log reached Log.dat";
  EXPECT_TRUE(box.shown.empty());
}

TEST_F(ExitSequenceTest, ThePlayerRestartsTheCueAtEveryTick) {
  clock.advanceTicks(11);
  EXPECT_EQ(MP.calls,
            (std::vector<std::string>{"open " + kClose, "play", "open " + kClose, "play"}));
}

TEST_F(ExitSequenceTest, ADisarmedSequenceKeepsItsCountAndItsPlace) {
  clock.advanceTicks(30);
  T4.setEnabled(false);
  clock.advanceTicks(100);
  EXPECT_EQ(Self.geometry(), after(30)) << "the window stays where the sequence left it";
  T4.setEnabled(true);
  clock.advanceTicks(1);
  EXPECT_EQ(sequence.exitTicks(), 31) << "ExitTicks is never reset";
  clock.advanceTicks(48);
  EXPECT_FALSE(Self.closed());
  clock.advanceTicks(1);
  EXPECT_TRUE(Self.closed()) << "the eightieth tick in all";
}

TEST_F(ExitSequenceTest, AFailingExitEndsTheSequenceWithOneBoxAndTheProgramGoesOn) {
  std::filesystem::remove(folder.path() / "Data base/AI/Log.dat");
  clock.advanceTicks(80);
  EXPECT_EQ(shownMessages(), std::vector<std::string>{"Cannot open file Data base\\AI\\Log.dat."});
  EXPECT_FALSE(T4.enabled());
  EXPECT_FALSE(Self.closed());
  EXPECT_TRUE(Self.visible());
  EXPECT_EQ(Self.geometry(), after(79)) << "the failed tick moves nothing";
  clock.advanceTicks(50);
  EXPECT_EQ(box.shown.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "Data base/AI/Log.dat"));
}

}  // namespace
}  // namespace shell_testing
