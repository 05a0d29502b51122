#pragma once
// The dialogue header (T12, once per run, before any line is shown): clears the dialogue view and
// writes four lines to the dialogue log: the separator, "Начало диалога: Дата - " date "   |   "
// "Время - " time, "//Загружено фраз и выражений выученных программой: " and the number of lines
// of "Data base\AI\Words.dat", and an empty line.
//
// The job disarms its timer first: a header whose Words.dat cannot be read ("Cannot open file
// Data base\AI\Words.dat") is shown once and left with its first two lines, rather than written
// again at every tick.
#include "toolkit/line_list.h"
#include "toolkit/rich_view.h"
#include "toolkit/timer.h"

namespace shell {

class DialogueHeader {
 public:
  struct Controls {
    toolkit::RichView& RE1;
    toolkit::LineList& Log;
    toolkit::LineList& LBvrf;
    toolkit::Timer& T12;
  };
  DialogueHeader(const Controls& controls, const toolkit::Clock& clock)
      : c_(controls), clock_(clock) {}

  void T12Timer();

 private:
  Controls c_;
  const toolkit::Clock& clock_;
};

}  // namespace shell
