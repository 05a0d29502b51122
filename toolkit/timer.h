#pragma once
// Periodic timers on a clock. Arming resets the count; a change of interval restarts it, and
// setting the interval a timer already has changes nothing. An interval of 1 ms fires at every
// tick of the system timer. A job that keeps failing with the same message is reported once
// while its timer stays armed; arming it anew starts the reporting afresh.
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "toolkit/error_dispatch.h"

namespace toolkit {

class Clock;

class Timer {
 public:
  /// Registers with the clock; the clock fires its timers in the order they were made.
  Timer(Clock& clock, std::string name, int intervalMs, bool enabled);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& name() const { return name_; }
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled);
  int interval() const { return intervalMs_; }
  void setInterval(int intervalMs);

  std::function<void()> onTimer;

 private:
  friend class Clock;
  Clock& clock_;
  std::string name_;
  int intervalMs_;
  bool enabled_;
  int elapsedMs_ = 0;
  unsigned long long armedAtTick_ = 0;
};

/// The source of time: the time of day for log lines and the ticks that drive the timers.
class Clock {
 public:
  explicit Clock(ErrorDispatch& errors) : errors_(errors) {}
  virtual ~Clock() = default;
  Clock(const Clock&) = delete;
  Clock& operator=(const Clock&) = delete;

  /// The current time of day.
  virtual std::time_t now() const = 0;

  /// One tick of the system timer, elapsedMs after the one before: every timer that was armed
  /// before this tick counts the time and fires when its interval is reached. A timer armed by a
  /// job of this tick waits for the next one. Each job runs through the error dispatch.
  void tick(int elapsedMs);
  unsigned long long tickCount() const { return ticks_; }

 private:
  friend class Timer;
  void add(Timer& timer) { timers_.push_back(&timer); }
  void rearmed(Timer& timer) { errors_.forgetTimerJob(&timer); }
  void remove(Timer& timer);

  ErrorDispatch& errors_;
  std::vector<Timer*> timers_;
  unsigned long long ticks_ = 0;
};

/// A clock moved by hand: each tick is 16 ms, as the system timer's in the program.
class FakeClock final : public Clock {
 public:
  static constexpr int kTickMs = 16;
  explicit FakeClock(ErrorDispatch& errors, std::time_t start = 1'700'000'000)
      : Clock(errors), nowMs_(static_cast<long long>(start) * 1000) {}

  std::time_t now() const override { return static_cast<std::time_t>(nowMs_ / 1000); }
  void advanceTicks(int count = 1);
  /// Ticks until at least ms milliseconds have passed.
  void advanceMs(int ms) { advanceTicks((ms + kTickMs - 1) / kTickMs); }

 private:
  long long nowMs_;
};

}  // namespace toolkit
