#include "shell/new_dialogue.h"

namespace shell {

void NewDialogue::N2Click() {
  config_.Load();
  conversation_.LastUserPhrase.clear();
  conversation_.LastCpuPhrase.clear();
  c_.RE1.clear();
  c_.Log.clear();
  c_.Input.setText("");
  c_.T3.setEnabled(true);
  c_.T7.setEnabled(true);
  c_.T10.setEnabled(true);
}

}  // namespace shell
