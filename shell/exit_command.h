#pragma once
// The exit command ("В&ыход", N4; also the end of the exit sequence): appends the dialogue log to
// "Data base\AI\Log.dat" as one record (an empty line, every line of the dialogue log, an empty
// line, "Конец диалога: Дата - " date "   |   " "Время - " time, the separator) and closes the main
// window, which ends the program. The file is read, extended and written whole, atomically and
// under its lock, so two copies of the program sharing the folder lose no record.
//
// Failures end the command before the window closes, and the program goes on: "Cannot open file
// Data base\AI\Log.dat" when the file is missing or unreadable (nothing is written), "Cannot
// create file Data base\AI\Log.dat" when it cannot be written (the old file stays as it was).
#include "toolkit/line_list.h"
#include "toolkit/timer.h"
#include "toolkit/window.h"

namespace shell {

class ExitCommand {
 public:
  struct Controls {
    toolkit::LineList& LBvrf;
    toolkit::LineList& Log;
    toolkit::Window& Self;
  };
  ExitCommand(const Controls& controls, const toolkit::Clock& clock)
      : c_(controls), clock_(clock) {}

  void N4Click();

 private:
  Controls c_;
  const toolkit::Clock& clock_;
};

}  // namespace shell
