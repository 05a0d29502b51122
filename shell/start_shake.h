#pragma once
// The start shake (T7, armed at start, by a new dialogue and by an undo): unless row 3 of the
// settings reads "NO" (any letter case), the window jumps 125 to 250 times to a place drawn from
// 95..105 on each axis, with the hourglass over the whole screen, the cue "Button1.wav" on MP, the
// input read-only and the menus "&Система", "&Настройки", "С&правка" and "Сервис" disabled; then it
// stands centred on the desktop, everything is given back, and the greeting (T10) is armed.
//
// While row 3 reads "NO" the job does nothing and stays armed, so it looks at the row again at
// every tick. A row 3 that cannot be read ("List index out of bounds (2)") fails before anything
// has changed; the job stays armed and the error dispatch shows the failure once.
#include "base/random_source.h"
#include "shell/settings.h"
#include "shell/sound_cues.h"
#include "toolkit/edit.h"
#include "toolkit/menu.h"
#include "toolkit/platform.h"
#include "toolkit/timer.h"
#include "toolkit/window.h"

namespace shell {

class StartShake {
 public:
  struct Controls {
    toolkit::Window& Self;
    toolkit::Edit& Input;
    toolkit::MenuItem& N1;
    toolkit::MenuItem& N5;
    toolkit::MenuItem& N11;
    toolkit::MenuItem& N25;
    toolkit::Timer& T7;
    toolkit::Timer& T10;
    toolkit::Player& MP;
  };
  struct Services {
    const Settings& Config;
    const SoundCues& Cues;
    toolkit::Screen& screen;
    base::RandomSource& random;
  };
  StartShake(const Controls& controls, const Services& services) : c_(controls), s_(services) {}

  void T7Timer();

 private:
  void lockCommands(bool locked);
  /// A uniform draw from lo..hi, made as a draw from 1..hi repeated until it is at least lo.
  int drawAtLeast(int lo, int hi);

  Controls c_;
  Services s_;
};

}  // namespace shell
