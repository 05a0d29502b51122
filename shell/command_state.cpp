#include "shell/command_state.h"

#include "base/cp1251.h"

namespace shell {

bool CommandState::showsSuggestion(const std::string& panelText) {
  static const std::string loaded = base::ru("Загрузка окончена");
  return !panelText.empty() && panelText != "[NONE]" && panelText != loaded;
}

void CommandState::T1Timer() {
  const bool hasText = !c_.Input.text().empty();
  c_.Speak.setEnabled(hasText);
  c_.EnRus.setEnabled(hasText);
  c_.Talk.setEnabled(hasText);

  const bool hasLines = c_.RE1.lineCount() > 0;
  c_.Cancel.setEnabled(hasLines);
  c_.N3.setEnabled(hasLines);

  if (!hasText && c_.N24.checked()) c_.T11.setEnabled(true);

  c_.N23.setEnabled(showsSuggestion(c_.SB1.panelText(0)));

  c_.Input.setFocus();
}

}  // namespace shell
