#pragma once
// Tests write their texts in UTF-8 and compare in UTF-8, so a failure reads as Russian:
// EXPECT_EQ(utf8(reply), "Привет.") and engine.turn(cp("привет")).
#include <string>
#include <string_view>
#include <vector>

#include "base/cp1251.h"

namespace testing_support {

inline std::string cp(std::string_view utf8Text) { return base::utf8ToCp1251(utf8Text); }
inline std::string utf8(std::string_view cp1251Text) { return base::cp1251ToUtf8(cp1251Text); }
inline std::vector<std::string> utf8(const std::vector<std::string>& cp1251Lines) {
  std::vector<std::string> out;
  for (const auto& line : cp1251Lines) out.push_back(base::cp1251ToUtf8(line));
  return out;
}

}  // namespace testing_support
