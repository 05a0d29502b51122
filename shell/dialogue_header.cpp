#include "shell/dialogue_header.h"

#include <string>

#include "base/cp1251.h"
#include "shell/dialogue_log_layout.h"

namespace shell {

void DialogueHeader::T12Timer() {
  c_.T12.setEnabled(false);
  c_.RE1.clear();
  c_.Log.add(logSeparator());
  c_.Log.add(datedLogLine("Начало диалога: ", clock_.now()));
  c_.LBvrf.loadFromFile("Data base\\AI\\Words.dat");
  c_.Log.add(base::ru("//Загружено фраз и выражений выученных программой: ") +
             std::to_string(c_.LBvrf.count()));
  c_.Log.add("");
}

}  // namespace shell
