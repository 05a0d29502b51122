#pragma once
// The knowledge-base load and status (T3, one-shot; armed at start and by a new dialogue): while
// "Data base\AI\Words.Dat" loads, panel 0 reads "Идёт загрузка подождите...", the input field is
// read-only and "Сказать" disabled; then panel 1 gives the numbers of main phrases and of branch
// lines (a line beginning with "_"), the input and "Сказать" come back and panel 0 reads
// "Загрузка окончена".
//
// The job disarms its timer first rather than last: a load that fails ("Cannot open file
// Data base\AI\Words.Dat") is then shown once and not retried at every tick, and leaves the status
// at loading, the input read-only and "Сказать" disabled, so no turn can start without a knowledge
// base. On success the order makes no difference, since nothing runs in between.
#include "toolkit/button.h"
#include "toolkit/edit.h"
#include "toolkit/line_list.h"
#include "toolkit/status_bar.h"
#include "toolkit/timer.h"

namespace shell {

class KnowledgeLoad {
 public:
  struct Controls {
    toolkit::StatusBar& SB1;
    toolkit::Edit& Input;
    toolkit::Button& Speak;
    toolkit::LineList& LBvrf;
    toolkit::Timer& T3;
  };
  explicit KnowledgeLoad(const Controls& controls) : c_(controls) {}

  void T3Timer();

 private:
  Controls c_;
};

}  // namespace shell
