#include "engine/remarks.h"

#include <climits>
#include <string>

#include "engine/busy_cursor.h"

namespace engine {

namespace {

constexpr int kShortestSilence = 90;
constexpr int kLongestSilence = 120;
constexpr int kDelayStep = 500;
constexpr int kFollowUpStep = 15;
constexpr int kShortestFollowUpWait = 100;
constexpr int kLongestFollowUpWait = 1099;

// A counter that no longer reaches its mark keeps counting while its timer runs; it stops at
// the largest value instead of overflowing.
void addTicks(int& counter, int step) {
  counter = counter > INT_MAX - step ? INT_MAX : counter + step;
}

}  // namespace

int Remarks::drawIdleThreshold() {
  int threshold = 0;
  do {
    random_.reseed();
    threshold = random_.uniform(1, kLongestSilence);
  } while (threshold < kShortestSilence);
  return threshold;
}

void Remarks::T2Timer() {
  const int threshold = drawIdleThreshold();
  addTicks(state_.IdleTicks, 1);
  if (state_.IdleTicks < threshold) return;
  state_.CpuPhrase = files_.pick(files::kPause);
  state_.CpuPhrase = repeats_.avoidRepeat(std::move(state_.CpuPhrase));
  host_.showCpuLine(state_.CpuPhrase);
  host_.playCue(CuePlayer::MP2, std::string(cues::kCpu));
  state_.IdleTicks = 0;
}

void Remarks::T9Timer() {
  addTicks(state_.DelayTicks, kDelayStep);
  if (state_.DelayTicks != host_.timerInterval(EngineTimer::DelayedRemark)) return;
  BusyCursor cursor(host_);
  const std::string remark = repeats_.avoidRepeat(files_.pickAfterHeader(files::kAi));
  host_.playCue(CuePlayer::MP, std::string(cues::kCpu));
  host_.showCpuLine(remark);
  cursor.restore();
  state_.DelayTicks = 0;
  host_.setTimerEnabled(EngineTimer::DelayedRemark, false);
}

void Remarks::T10Timer() {
  random_.reseed();
  if (random_.uniform(1, 3) == 1) {
    const base::Lines greetings = base::readListFile(files::kBegin);
    BusyCursor cursor(host_);
    state_.CpuPhrase = files_.pickFrom(greetings);
    cursor.restore();
    host_.playCue(CuePlayer::MP, std::string(cues::kCpu));
    host_.showCpuLine(state_.CpuPhrase);
  }
  host_.setTimerEnabled(EngineTimer::Greeting, false);
}

void Remarks::T13Timer() {
  if (state_.FollowUpPhrase.empty()) {
    host_.setTimerEnabled(EngineTimer::FollowUp, false);
    state_.DelayTicks = 0;
    return;
  }
  random_.reseed();
  const int wait = random_.uniform(kShortestFollowUpWait, kLongestFollowUpWait);
  host_.setTimerInterval(EngineTimer::FollowUp, wait);
  addTicks(state_.DelayTicks, kFollowUpStep);
  if (state_.DelayTicks < wait) return;
  host_.playCue(CuePlayer::MP, std::string(cues::kCpu));
  host_.showCpuLine(state_.FollowUpPhrase);
  host_.setTimerEnabled(EngineTimer::FollowUp, false);
  state_.DelayTicks = 0;
}

}  // namespace engine
