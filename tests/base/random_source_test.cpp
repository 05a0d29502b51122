#include "base/random_source.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(ClockSeededRandom, DrawsCoverTheWholeRangeAndNothingElse) {
  base::ClockSeededRandom random;
  std::set<int> seen;
  for (int i = 0; i < 600; ++i) {
    if (i % 100 == 0) random.reseed();
    const int draw = random.uniform(-1, 4);
    ASSERT_GE(draw, -1);
    ASSERT_LE(draw, 4);
    seen.insert(draw);
  }
  EXPECT_EQ(seen, (std::set<int>{-1, 0, 1, 2, 3, 4}));
  EXPECT_EQ(random.uniform(7, 7), 7);
}

}  // namespace
