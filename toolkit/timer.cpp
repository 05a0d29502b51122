#include "toolkit/timer.h"

#include <algorithm>

namespace toolkit {

Timer::Timer(Clock& clock, std::string name, int intervalMs, bool enabled)
    : clock_(clock), name_(std::move(name)), intervalMs_(intervalMs), enabled_(enabled) {
  clock_.add(*this);
}

Timer::~Timer() { clock_.remove(*this); }

void Timer::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  elapsedMs_ = 0;
  armedAtTick_ = clock_.tickCount();
  if (enabled_) clock_.rearmed(*this);
}

void Timer::setInterval(int intervalMs) {
  if (intervalMs == intervalMs_) return;
  intervalMs_ = intervalMs;
  elapsedMs_ = 0;
  armedAtTick_ = clock_.tickCount();
}

void Clock::remove(Timer& timer) {
  timers_.erase(std::remove(timers_.begin(), timers_.end(), &timer), timers_.end());
}

void Clock::tick(int elapsedMs) {
  const unsigned long long current = ++ticks_;
  // Jobs may arm, disarm or re-time any timer, so the list is walked by index and each timer is
  // looked at when its turn comes.
  for (std::size_t i = 0; i < timers_.size(); ++i) {
    Timer& timer = *timers_[i];
    if (!timer.enabled_ || timer.armedAtTick_ >= current) continue;
    timer.elapsedMs_ += elapsedMs;
    if (timer.elapsedMs_ < timer.intervalMs_) continue;
    timer.elapsedMs_ = 0;
    if (timer.onTimer) errors_.runTimerJob(&timer, timer.onTimer);
  }
}

void FakeClock::advanceTicks(int count) {
  for (int i = 0; i < count; ++i) {
    nowMs_ += kTickMs;
    tick(kTickMs);
  }
}

}  // namespace toolkit
