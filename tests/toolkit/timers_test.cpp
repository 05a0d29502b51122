// Timers on the fake clock, and where failures end: the error box with its full-stop rule, and a
// timer job that keeps failing reported once.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/cp1251.h"
#include "base/errors.h"
#include "tests/support/toolkit_fakes.h"
#include "toolkit/timer.h"

namespace {

class ClockTest : public testing::Test {
 protected:
  testing_support::RecordingErrorBox box;
  toolkit::ErrorDispatch errors{box, base::ru("Болтомир")};
  toolkit::FakeClock clock{errors};
  std::vector<std::string> fired;

  void record(toolkit::Timer& timer) {
    timer.onTimer = [this, &timer] { fired.push_back(timer.name()); };
  }
};

TEST_F(ClockTest, OneMillisecondFiresAtEveryTickAndASecondAfterSixtyThreeTicks) {
  toolkit::Timer fast(clock, "fast", 1, true), slow(clock, "slow", 1000, true);
  record(fast);
  record(slow);
  clock.advanceTicks(62);
  EXPECT_EQ(std::count(fired.begin(), fired.end(), "fast"), 62);
  EXPECT_EQ(std::count(fired.begin(), fired.end(), "slow"), 0);
  clock.advanceTicks(1);
  EXPECT_EQ(std::count(fired.begin(), fired.end(), "slow"), 1) << "63 ticks of 16 ms";
}

TEST_F(ClockTest, TimersFireInTheOrderTheyWereMade) {
  toolkit::Timer first(clock, "first", 1, true), second(clock, "second", 1, true);
  record(first);
  record(second);
  clock.advanceTicks();
  EXPECT_EQ(fired, (std::vector<std::string>{"first", "second"}));
}

TEST_F(ClockTest, TimerArmedByAJobWaitsForTheNextTick) {
  toolkit::Timer armer(clock, "armer", 1, true), armed(clock, "armed", 1, false);
  armer.onTimer = [&] {
    fired.push_back("armer");
    armed.setEnabled(true);
    armer.setEnabled(false);
  };
  record(armed);
  clock.advanceTicks();
  EXPECT_EQ(fired, (std::vector<std::string>{"armer"}));
  clock.advanceTicks();
  EXPECT_EQ(fired, (std::vector<std::string>{"armer", "armed"}));
}

TEST_F(ClockTest, ChangingTheIntervalRestartsTheCountAndTheSameIntervalChangesNothing) {
  toolkit::Timer timer(clock, "t", 160, true);
  record(timer);
  clock.advanceTicks(5);
  timer.setInterval(160);
  clock.advanceTicks(5);
  EXPECT_EQ(fired.size(), 1u) << "the same interval keeps the count";
  clock.advanceTicks(5);
  timer.setInterval(320);
  clock.advanceTicks(19);
  EXPECT_EQ(fired.size(), 1u);
  clock.advanceTicks(1);
  EXPECT_EQ(fired.size(), 2u) << "a new interval counts from the change";
}

TEST_F(ClockTest, DisarmedTimerDoesNotFireAndArmingResetsItsCount) {
  toolkit::Timer timer(clock, "t", 160, true);
  record(timer);
  clock.advanceTicks(9);
  timer.setEnabled(false);
  clock.advanceTicks(20);
  EXPECT_TRUE(fired.empty());
  timer.setEnabled(true);
  clock.advanceTicks(9);
  EXPECT_TRUE(fired.empty());
  clock.advanceTicks(1);
  EXPECT_EQ(fired.size(), 1u);
}

TEST_F(ClockTest, FakeClockMovesTheTimeOfDay) {
  const std::time_t start = clock.now();
  clock.advanceMs(1000);
  EXPECT_EQ(clock.now(), start + 1);
}

struct FullStopCase {
  const char* why;
  std::string message;
  std::string shown;
};

TEST(ErrorBoxTextTest, FullStopAppendedWhenTheLastCharacterIsAboveTheFullStop) {
  const FullStopCase cases[] = {
      {.why = "a letter",
       .message = "Cannot open file Data base\\AI\\X.Dat",
       .shown = "Cannot open file Data base\\AI\\X.Dat."},
      {.why = "a closing bracket is below the full stop",
       .message = "List index out of bounds (3)",
       .shown = "List index out of bounds (3)"},
      {.why = "a full stop itself", .message = "Done.", .shown = "Done."},
      {.why = "a question mark is above", .message = "Why?", .shown = "Why?."},
      {.why = "a quote is below",
       .message = "'x' is not a valid integer value",
       .shown = "'x' is not a valid integer value."},
      {.why = "a Russian letter is above", .message = base::ru("файл"), .shown = base::ru("файл.")},
      {.why = "an empty message", .message = "", .shown = ""},
  };
  for (const auto& row : cases)
    EXPECT_EQ(toolkit::ErrorDispatch::boxText(row.message), row.shown) << row.why;
}

TEST_F(ClockTest, FailingEventIsShownEveryTimeWithTheApplicationTitle) {
  for (int i = 0; i < 2; ++i)
    errors.runEvent([] { throw base::cannotOpenFile("Data base\\AI\\Log.dat"); });
  ASSERT_EQ(box.shown.size(), 2u);
  EXPECT_EQ(box.shown[0].title, base::ru("Болтомир"));
  EXPECT_EQ(box.shown[0].message, "Cannot open file Data base\\AI\\Log.dat.");
}

TEST_F(ClockTest, TimerJobFailingAtEveryTickIsReportedOnce) {
  toolkit::Timer job(clock, "job", 1, true);
  job.onTimer = [] { throw base::cannotOpenFile("Data base\\AI\\Pause.Dat"); };
  clock.advanceTicks(50);
  EXPECT_EQ(box.shown.size(), 1u);
  EXPECT_TRUE(job.enabled()) << "a failing job stays armed";
}

TEST_F(ClockTest, TimerJobIsReportedAgainAfterASuccessANewMessageOrARearming) {
  toolkit::Timer job(clock, "job", 1, true);
  std::string failure = "first";
  job.onTimer = [&] {
    if (!failure.empty()) throw std::runtime_error(failure);
  };
  clock.advanceTicks(3);
  failure = "second";
  clock.advanceTicks(3);
  failure = "";
  clock.advanceTicks();
  failure = "second";
  clock.advanceTicks(3);
  job.setEnabled(false);
  job.setEnabled(true);
  clock.advanceTicks(3);
  std::vector<std::string> shown;
  for (const auto& s : box.shown) shown.push_back(s.message);
  EXPECT_EQ(shown, (std::vector<std::string>{"first.", "second.", "second.", "second."}));
}

TEST_F(ClockTest, FailingJobsOfTwoTimersAreReportedEachOnce) {
  toolkit::Timer a(clock, "a", 1, true), b(clock, "b", 1, true);
  a.onTimer = b.onTimer = [] { throw std::runtime_error("same"); };
  clock.advanceTicks(5);
  EXPECT_EQ(box.shown.size(), 2u);
}

}  // namespace
