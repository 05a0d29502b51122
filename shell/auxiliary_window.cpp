#include "shell/auxiliary_window.h"

namespace shell {

void AuxiliaryWindow::open() {
  c_.T1.setEnabled(false);
  c_.mainWindow.setEnabled(false);
  c_.window.show();
  c_.window.setEnabled(true);
  if (c_.ownTimer != nullptr) c_.ownTimer->setEnabled(true);
}

void AuxiliaryWindow::close() {
  if (c_.ownTimer != nullptr) c_.ownTimer->setEnabled(false);
  c_.T1.setEnabled(true);
  c_.mainWindow.setEnabled(true);
  c_.window.hide();
}

}  // namespace shell
