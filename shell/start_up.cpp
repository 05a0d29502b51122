#include "shell/start_up.h"

namespace shell {

void StartUp::FormCreate() {
  // Only a probe: the knowledge base must be there before anything else is set up. The jobs that
  // need the working list load it afresh.
  c_.LBvrf.loadFromFile("Data base\\AI\\Words.dat");
  config_.Load();
  applyAppearance();
}

void StartUp::applyAppearance() {
  c_.Self.setColor(config_.IntegerValue(7));
  c_.RE1.setColor(config_.IntegerValue(8));
  c_.Input.setColor(config_.IntegerValue(9));
  c_.Speak.setFontColor(config_.IntegerValue(12));
  c_.Cancel.setFontColor(config_.IntegerValue(13));
  c_.EnRus.setFontColor(config_.IntegerValue(14));
  c_.ColorDialog2.setColor(config_.IntegerValue(15));
  c_.ColorDialog3.setColor(config_.IntegerValue(16));
  toolkit::Font inputFont = c_.Input.font();
  inputFont.color = config_.IntegerValue(17);
  c_.Input.setFont(inputFont);
  presetFont(c_.FontDialog1, 19, 20);
  presetFontSize(c_.FontDialog1, 21);
  presetFont(c_.FontDialog2, 23, 24);
  presetFontSize(c_.FontDialog2, 25);
  presetFont(c_.FontDialog3, 27, 28);
}

void StartUp::presetFont(toolkit::FontDialog& dialog, int nameRow, int styleRow) const {
  toolkit::Font font = dialog.font();
  font.name = config_.ConfigValue(nameRow);
  dialog.setFont(font);
  if (const auto style = config_.StyleValue(styleRow)) {
    font.style = *style;
    dialog.setFont(font);
  }
}

void StartUp::presetFontSize(toolkit::FontDialog& dialog, int sizeRow) const {
  toolkit::Font font = dialog.font();
  font.size = config_.IntegerValue(sizeRow);
  dialog.setFont(font);
}

}  // namespace shell
