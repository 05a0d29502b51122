#pragma once
// Random draws. The program's source is reseeded from the clock where the design says so; a test
// replays scripted draws.
#include <random>

namespace base {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  /// Reseeds the generator from the clock.
  virtual void reseed() = 0;
  /// A draw uniform over lo..hi, both included (lo <= hi).
  virtual int uniform(int lo, int hi) = 0;
};

class ClockSeededRandom final : public RandomSource {
 public:
  ClockSeededRandom();
  void reseed() override;
  int uniform(int lo, int hi) override;

 private:
  std::mt19937 generator_;
};

}  // namespace base
