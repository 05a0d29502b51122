#include "shell/undo.h"

namespace shell {

void Undo::CancelClick() {
  c_.RE1.removeLastLine();
  c_.Log.removeLast();
  c_.T7.setEnabled(true);
}

void Undo::N3Click() { c_.Cancel.click(); }

}  // namespace shell
