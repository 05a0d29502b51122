#include "base/random_source.h"

#include <chrono>

namespace base {

ClockSeededRandom::ClockSeededRandom() { reseed(); }

void ClockSeededRandom::reseed() {
  // Both clocks: the wall clock differs between runs, the steady one between close reseeds.
  const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
  const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
  std::seed_seq seed{static_cast<unsigned>(wall), static_cast<unsigned>(wall >> 32),
                     static_cast<unsigned>(steady), static_cast<unsigned>(steady >> 32)};
  generator_.seed(seed);
}

int ClockSeededRandom::uniform(int lo, int hi) {
  return std::uniform_int_distribution<int>(lo, hi)(generator_);
}

}  // namespace base
