#include "shell/start_shake.h"

namespace shell {

void StartShake::T7Timer() {
  if (s_.Config.SwitchValue(3) == "NO") return;
  s_.screen.setCursor(toolkit::Cursor::Hourglass);
  s_.random.reseed();
  s_.Cues.PlayCue(c_.MP, "Data base\\Sound\\Button1.wav");
  lockCommands(true);

  const int jumps = drawAtLeast(125, 250);
  for (int jump = 0; jump < jumps; ++jump) {
    const int x = drawAtLeast(95, 105);
    const int y = drawAtLeast(95, 105);
    c_.Self.setTop(y);
    c_.Self.setLeft(x);
  }
  c_.Self.centreOn(s_.screen.desktopWidth(), s_.screen.desktopHeight());

  lockCommands(false);
  c_.T7.setEnabled(false);
  c_.T10.setEnabled(true);
  s_.screen.setCursor(toolkit::Cursor::Default);
}

void StartShake::lockCommands(bool locked) {
  c_.Input.setReadOnly(locked);
  for (toolkit::MenuItem* menu : {&c_.N1, &c_.N5, &c_.N11, &c_.N25}) menu->setEnabled(!locked);
}

int StartShake::drawAtLeast(int lo, int hi) {
  int value = 0;
  do {
    value = s_.random.uniform(1, hi);
  } while (value < lo);
  return value;
}

}  // namespace shell
