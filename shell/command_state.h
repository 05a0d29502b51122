#pragma once
// The command-state job: at every tick the commands follow what the input field, the dialogue
// view and the status bar hold, and the input field keeps the keyboard focus.
#include "toolkit/button.h"
#include "toolkit/edit.h"
#include "toolkit/menu.h"
#include "toolkit/rich_view.h"
#include "toolkit/status_bar.h"
#include "toolkit/timer.h"

namespace shell {

class CommandState {
 public:
  struct Controls {
    toolkit::Edit& Input;
    toolkit::Button& Speak;
    toolkit::Button& EnRus;
    toolkit::Button& Talk;
    toolkit::Button& Cancel;
    toolkit::MenuItem& N3;
    toolkit::RichView& RE1;
    toolkit::MenuItem& N24;
    toolkit::Timer& T11;
    toolkit::StatusBar& SB1;
    toolkit::MenuItem& N23;
  };
  explicit CommandState(const Controls& controls) : c_(controls) {}

  /// One tick of T1.
  void T1Timer();

  /// True when panel 0 shows a Speed Word suggestion rather than a status.
  static bool showsSuggestion(const std::string& panelText);

 private:
  Controls c_;
};

}  // namespace shell
