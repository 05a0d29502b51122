#pragma once
// The knowledge-base statistics (T8, once per run, a second after start): appends " [" number "]"
// to the captions of "&Входящие выражения:" (N18: the lines of Words.Dat), "&Исходящие выражения:"
// (N19: the lines of AI.Dat, Begin.Dat, CPUpvt.Dat, BigString.Dat, Pause.Dat, Povtor.Dat, W1.Dat,
// W2.Dat and X.Dat, plus every ";" and "|" in Words.Dat) and "&Итого:" (N20: both together).
//
// The job disarms its timer first: when a file cannot be read ("Cannot open file %s", the path as
// listed above, below "Data base\AI\") the failure is shown once and the captions written before it
// keep their single number, rather than growing by one at every tick.
#include "toolkit/line_list.h"
#include "toolkit/menu.h"
#include "toolkit/timer.h"

namespace shell {

class BaseStatistics {
 public:
  struct Controls {
    toolkit::LineList& LBvrf;
    toolkit::MenuItem& N18;
    toolkit::MenuItem& N19;
    toolkit::MenuItem& N20;
    toolkit::Timer& T8;
  };
  explicit BaseStatistics(const Controls& controls) : c_(controls) {}

  void T8Timer();

 private:
  /// The number of lines of a file of "Data base\AI\", loaded into LBvrf.
  long long loadLineCount(const char* name);

  Controls c_;
};

}  // namespace shell
