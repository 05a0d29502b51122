#pragma once
// The only way a spoken text enters the dialogue view and the dialogue log: the user's lines in
// the user style (ColorDialog2, FontDialog1), the bot's lines in the bot style (ColorDialog3,
// FontDialog2), each logged as "[" time "] USER:     " text or "[" time "] CPU:     " text, the
// time taken separately for each line.
#include <string>

#include "toolkit/dialogs.h"
#include "toolkit/line_list.h"
#include "toolkit/rich_view.h"
#include "toolkit/timer.h"

namespace shell {

class Transcript {
 public:
  struct Controls {
    toolkit::RichView& RE1;
    toolkit::LineList& Log;
    toolkit::ColorDialog& ColorDialog2;
    toolkit::FontDialog& FontDialog1;
    toolkit::ColorDialog& ColorDialog3;
    toolkit::FontDialog& FontDialog2;
  };
  Transcript(const Controls& controls, const toolkit::Clock& clock) : c_(controls), clock_(clock) {}

  void ShowUserLine(const std::string& text);
  void ShowCpuLine(const std::string& text);

 private:
  void show(const std::string& text, const toolkit::ColorDialog& color,
            const toolkit::FontDialog& font, const char* speaker);

  Controls c_;
  const toolkit::Clock& clock_;
};

}  // namespace shell
