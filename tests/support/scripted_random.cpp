#include "tests/support/scripted_random.h"

#include <gtest/gtest.h>

namespace testing_support {

int ScriptedRandom::uniform(int lo, int hi) {
  if (draws_.empty()) {
    if (!lowestWhenEmpty_) ADD_FAILURE() << "unscripted draw from " << lo << ".." << hi;
    return lo;
  }
  const int value = draws_.front();
  draws_.pop_front();
  if (value < lo || value > hi) {
    ADD_FAILURE() << "scripted draw " << value << " outside " << lo << ".." << hi;
    return lo;
  }
  return value;
}

}  // namespace testing_support
