#pragma once
// The undo command ("<", and Ctrl+Z through the separator item N3): removes the last line of the
// dialogue view and, independently, the last line of the dialogue log, whatever each is (a list
// that is empty loses nothing), then arms the shake (T7), after which the greeting may speak.
#include "toolkit/button.h"
#include "toolkit/line_list.h"
#include "toolkit/rich_view.h"
#include "toolkit/timer.h"

namespace shell {

class Undo {
 public:
  struct Controls {
    toolkit::RichView& RE1;
    toolkit::LineList& Log;
    toolkit::Button& Cancel;
    toolkit::Timer& T7;
  };
  explicit Undo(const Controls& controls) : c_(controls) {}

  void CancelClick();
  /// Ctrl+Z: clicks "<", whose command runs whatever state the button shows.
  void N3Click();

 private:
  Controls c_;
};

}  // namespace shell
