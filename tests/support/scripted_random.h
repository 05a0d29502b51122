#pragma once
// Random draws replayed from a script, so a test can say which reply, index or wait each draw of
// a turn gives. A draw outside its range, or one more draw than scripted, fails the test.
#include <deque>
#include <initializer_list>

#include "base/random_source.h"

namespace testing_support {

class ScriptedRandom final : public base::RandomSource {
 public:
  ScriptedRandom() = default;
  ScriptedRandom(std::initializer_list<int> draws) : draws_(draws) {}

  void script(std::initializer_list<int> draws) { draws_.insert(draws_.end(), draws); }
  /// Every later draw not scripted gives the lowest value of its range.
  void fallBackToLowest() { lowestWhenEmpty_ = true; }
  int reseeds() const { return reseeds_; }
  bool exhausted() const { return draws_.empty(); }

  void reseed() override { ++reseeds_; }
  int uniform(int lo, int hi) override;

 private:
  std::deque<int> draws_;
  bool lowestWhenEmpty_ = false;
  int reseeds_ = 0;
};

}  // namespace testing_support
