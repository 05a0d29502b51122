// The bot's own remarks: the idle remark (T2), the delayed remark (T9), the greeting (T10) and
// the follow-up (T13), with DelayTicks shared by T9 and T13.
#include <gtest/gtest.h>

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

using RemarksTest = EngineTest;

TEST_F(RemarksTest, TheIdleRemarkComesWhenTheSilenceReachesTheThresholdOfTheTick) {
  for (const int threshold : {90, 105, 120}) {
    SCOPED_TRACE(threshold);
    state.IdleTicks = 0;
    host.forget();
    for (int tick = 1; tick < threshold; ++tick) {
      random.script({threshold});
      engine.T2Timer();
    }
    EXPECT_TRUE(host.cpuLines().empty()) << "silent up to tick " << threshold - 1;
    random.script({threshold, 0});
    engine.T2Timer();
    EXPECT_EQ(host.events, (Events{"cpu Ты здесь?", "cue MP2 CpuSound.wav"}));
    EXPECT_EQ(state.IdleTicks, 0);
  }
}

TEST_F(RemarksTest, AThresholdBelow90IsDrawnAgainAfterAReseed) {
  state.IdleTicks = 89;
  random.script({1, 89, 90, 0});
  engine.T2Timer();
  EXPECT_EQ(random.reseeds(), 3);
  EXPECT_EQ(host.cpuLines(), Events{"Ты здесь?"});
}

TEST_F(RemarksTest, AnIdleRemarkEqualToTheLastReplyGetsAnAdditionAndIsNoReply) {
  state.LastCpuPhrase = cp("ты здесь?");
  state.LastUserPhrase = cp("Привет.");
  state.IdleTicks = 119;
  random.script({120, 0, 0});
  engine.T2Timer();
  EXPECT_EQ(reply(), "Ты здесь?     Опять я за своё.");
  EXPECT_EQ(utf8(state.LastCpuPhrase), "ты здесь?");
  EXPECT_EQ(utf8(state.LastUserPhrase), "Привет.");
}

class DelayedRemarkTest : public EngineTest {
 protected:
  DelayedRemarkTest() {
    write("AI.dat", {"Заголовок", "Раз", "Два"});
    host.setTimerEnabled(EngineTimer::DelayedRemark, true);
    host.forget();
  }
};

TEST_F(DelayedRemarkTest, SpeaksOnTheSecondTickAndNeverTheHeader) {
  random.fallBackToLowest();
  engine.T9Timer();
  EXPECT_TRUE(host.events.empty());
  EXPECT_EQ(state.DelayTicks, 500);
  engine.T9Timer();
  EXPECT_EQ(host.events, (Events{"busy", "cue MP CpuSound.wav", "cpu Раз", "normal", "T9 off"}))
      << "the lowest index drawn is the second line";
  EXPECT_EQ(state.DelayTicks, 0);
}

TEST_F(DelayedRemarkTest, TheLastLineCanBeDrawn) {
  random.script({2});
  engine.T9Timer();
  engine.T9Timer();
  EXPECT_EQ(host.cpuLines(), Events{"Два"});
}

TEST_F(DelayedRemarkTest, AnAiDatOfFewerThanTwoLinesFailsWithTheTimerStillArmed) {
  for (const auto& lines : {std::vector<std::string>{"Заголовок"}, std::vector<std::string>{}}) {
    SCOPED_TRACE(lines.size());
    write("AI.dat", lines);
    state.DelayTicks = 500;
    host.forget();
    try {
      engine.T9Timer();
      ADD_FAILURE() << "no error";
    } catch (const base::Error& error) {
      EXPECT_STREQ(error.what(), "List index out of bounds (1)");
    }
    EXPECT_EQ(host.events, (Events{"busy", "normal"}));
    EXPECT_TRUE(host.timerEnabled(EngineTimer::DelayedRemark));
  }
}

TEST_F(DelayedRemarkTest, AFallbackTurnWithTurnDraw2CancelsIt) {
  engine.T9Timer();
  say("Ну ладно", {2, 2, 0});
  EXPECT_FALSE(host.timerEnabled(EngineTimer::DelayedRemark));
  EXPECT_EQ(state.DelayTicks, 500) << "cancelling does not touch the counter";
}

TEST_F(DelayedRemarkTest, WaitsWhileTheFollowUpCountsInTheSharedCounter) {
  state.FollowUpPhrase = cp("Кстати.");
  state.DelayTicks = 45;
  for (int tick = 0; tick < 3; ++tick) engine.T9Timer();
  EXPECT_TRUE(host.cpuLines().empty()) << "45 + 500 k never equals 1000";
  random.script({100});
  engine.T13Timer();
  EXPECT_EQ(host.cpuLines(), Events{"Кстати."});
  EXPECT_EQ(state.DelayTicks, 0);
  random.script({1});
  engine.T9Timer();
  engine.T9Timer();
  EXPECT_EQ(host.cpuLines(), (Events{"Кстати.", "Раз"}));
}

TEST_F(RemarksTest, TheGreetingComesOnADrawOfOneAndTheTimerStopsEitherWay) {
  struct Case {
    int r;
    Events events;
  };
  const Case cases[] = {
      {.r = 1, .events = {"busy", "normal", "cue MP CpuSound.wav", "cpu Здравствуй!", "T10 off"}},
      {.r = 2, .events = {"T10 off"}},
      {.r = 3, .events = {"T10 off"}},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.r);
    host.forget();
    random.script({row.r});
    if (row.r == 1) random.script({0});
    engine.T10Timer();
    EXPECT_EQ(host.events, row.events);
  }
  EXPECT_EQ(random.reseeds(), 3);
}

TEST_F(RemarksTest, TheFollowUpComesWhenTheCounterReachesTheWaitDrawn) {
  struct Case {
    int wait;
    int tick;
  };
  // 15 per tick: 7 x 15 = 105 >= 100, 34 x 15 = 510 >= 500, 74 x 15 = 1110 >= 1099.
  const Case cases[] = {
      {.wait = 100, .tick = 7}, {.wait = 500, .tick = 34}, {.wait = 1099, .tick = 74}};
  for (const auto& row : cases) {
    SCOPED_TRACE(row.wait);
    state.FollowUpPhrase = cp("Я тоже его слушаю.");
    state.DelayTicks = 0;
    host.setTimerEnabled(EngineTimer::FollowUp, true);
    for (int tick = 1; tick < row.tick; ++tick) {
      random.script({row.wait});
      engine.T13Timer();
    }
    EXPECT_TRUE(host.cpuLines().empty());
    EXPECT_EQ(host.timerInterval(EngineTimer::FollowUp), row.wait);
    host.forget();
    random.script({row.wait});
    engine.T13Timer();
    EXPECT_EQ(host.events, (Events{"T13 wait " + std::to_string(row.wait), "cue MP CpuSound.wav",
                                   "cpu Я тоже его слушаю.", "T13 off"}));
    EXPECT_EQ(state.DelayTicks, 0);
    host.forget();
  }
}

TEST_F(RemarksTest, AFollowUpClearedByALaterTurnIsNotSpokenAsAnEmptyLine) {
  write("Words.Dat", {"РОК^Рок - это здорово.|Я тоже его слушаю.;", "ПРИВЕТ^Здравствуй!;"});
  say("Рок", {2, 2, 1, 1});
  EXPECT_TRUE(host.timerEnabled(EngineTimer::FollowUp));
  random.script({500});
  engine.T13Timer();
  say("Привет", {2, 2, 1});
  host.forget();
  engine.T13Timer();
  EXPECT_EQ(host.events, Events{"T13 off"});
  EXPECT_EQ(state.DelayTicks, 0);
}

}  // namespace
}  // namespace engine_testing
