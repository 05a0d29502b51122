#include "shell/base_statistics.h"

#include <algorithm>
#include <string>

namespace shell {

namespace {

void appendCount(toolkit::MenuItem& item, long long count) {
  item.setCaption(item.caption() + " [" + std::to_string(count) + "]");
}

}  // namespace

long long BaseStatistics::loadLineCount(const char* name) {
  c_.LBvrf.loadFromFile(std::string("Data base\\AI\\") + name);
  return static_cast<long long>(c_.LBvrf.count());
}

void BaseStatistics::T8Timer() {
  c_.T8.setEnabled(false);
  const long long words = loadLineCount("Words.Dat");
  appendCount(c_.N18, words);
  // Every alternative (ended by ";") and every follow-up (after "|") of Words.Dat is one more
  // outgoing phrase. They are counted from the same reading, before the list takes other files.
  long long outgoing = 0;
  for (const std::string& line : c_.LBvrf.lines())
    outgoing +=
        std::count_if(line.begin(), line.end(), [](char c) { return c == ';' || c == '|'; });

  for (const char* name : {"AI.Dat", "Begin.Dat", "CPUpvt.Dat", "BigString.Dat", "Pause.Dat",
                           "Povtor.Dat", "W1.Dat", "W2.Dat", "X.Dat"})
    outgoing += loadLineCount(name);

  appendCount(c_.N19, outgoing);
  appendCount(c_.N20, outgoing + words);
}

}  // namespace shell
