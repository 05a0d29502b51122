#pragma once
// The exit sequence (T4, armed by a farewell reply): at every tick ExitTicks grows by one and the
// window moves 2 pixels up and 3 to the left and becomes 10 pixels narrower and 8 shorter; from
// the tenth tick on "Close.wav" starts afresh on MP; on the 80th tick the exit command runs.
// ExitTicks is never reset: a sequence disarmed early and armed again goes on from its count.
//
// T4 is disarmed before the exit command runs, so an exit that fails (Log.dat missing or not
// writable) ends the sequence with its one error box; the window stays as the ticks left it and
// the program goes on. The failed tick neither moves the window nor plays the cue.
#include "shell/exit_command.h"
#include "shell/sound_cues.h"
#include "toolkit/platform.h"
#include "toolkit/timer.h"
#include "toolkit/window.h"

namespace shell {

class ExitSequence {
 public:
  struct Controls {
    toolkit::Window& Self;
    toolkit::Timer& T4;
    toolkit::Player& MP;
  };
  ExitSequence(const Controls& controls, ExitCommand& exitCommand, const SoundCues& Cues)
      : c_(controls), exit_(exitCommand), cues_(Cues) {}

  void T4Timer();

  int exitTicks() const { return ExitTicks; }

 private:
  static constexpr int kExitTick = 80;
  static constexpr int kFirstCueTick = 10;

  Controls c_;
  ExitCommand& exit_;
  const SoundCues& cues_;
  int ExitTicks = 0;
};

}  // namespace shell
