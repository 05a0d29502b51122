#include "shell/exit_sequence.h"

namespace shell {

void ExitSequence::T4Timer() {
  ++ExitTicks;
  if (ExitTicks >= kExitTick) {
    c_.T4.setEnabled(false);
    exit_.N4Click();
  }
  toolkit::Window& self = c_.Self;
  self.setTop(self.top() - 2);
  self.setLeft(self.left() - 3);
  self.setClientWidth(self.clientWidth() - 10);
  self.setClientHeight(self.clientHeight() - 8);
  if (ExitTicks >= kFirstCueTick) cues_.PlayCue(c_.MP, "Data base\\Sound\\Close.wav");
}

}  // namespace shell
