#include "shell/transcript.h"

#include "base/date_time.h"

namespace shell {

void Transcript::ShowUserLine(const std::string& text) {
  show(text, c_.ColorDialog2, c_.FontDialog1, "USER:     ");
}

void Transcript::ShowCpuLine(const std::string& text) {
  show(text, c_.ColorDialog3, c_.FontDialog2, "CPU:     ");
}

void Transcript::show(const std::string& text, const toolkit::ColorDialog& color,
                      const toolkit::FontDialog& font, const char* speaker) {
  // The line takes the dialog's colour; the font's own colour is not used.
  const toolkit::Font& f = font.font();
  c_.RE1.setInsertionStyle({color.color(), f.name, f.size, f.style});
  c_.RE1.appendLine(text);
  c_.Log.add("[" + base::formatLongTime(clock_.now()) + "] " + speaker + text);
}

}  // namespace shell
