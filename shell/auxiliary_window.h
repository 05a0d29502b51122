#pragma once
// An auxiliary window (the editor, About, the virtual keyboard, the name window) made modal by
// hand: while it is open the main window is disabled and its command-state job (T1) stands still,
// so the commands keep the state they last had. The auxiliary windows have no close box; their
// own buttons close them through close().
#include "toolkit/timer.h"
#include "toolkit/window.h"

namespace shell {

class AuxiliaryWindow {
 public:
  struct Controls {
    toolkit::Timer& T1;  // the main window's command-state job
    toolkit::Window& mainWindow;
    toolkit::Window& window;
    toolkit::Timer* ownTimer;  // the auxiliary window's own timer, where it has one
  };
  explicit AuxiliaryWindow(const Controls& controls) : c_(controls) {}

  /// Disarms T1, disables the main window, shows and enables the window, arms its own timer. The
  /// caller prepares the window's content first where the window needs it.
  void open();
  /// Disarms the window's own timer, arms T1, enables the main window, hides the window.
  void close();

 private:
  Controls c_;
};

}  // namespace shell
