#include "shell/knowledge_load.h"

#include <string>

#include "base/cp1251.h"

namespace shell {

using base::ru;

void KnowledgeLoad::T3Timer() {
  c_.T3.setEnabled(false);
  c_.SB1.setPanelText(0, ru("Идёт загрузка подождите..."));
  c_.Input.setReadOnly(true);
  c_.Speak.setEnabled(false);

  c_.LBvrf.loadFromFile("Data base\\AI\\Words.Dat");
  // An empty line has no "_" to begin with, so it counts as a main phrase.
  long long branches = 0;
  for (const std::string& line : c_.LBvrf.lines())
    if (!line.empty() && line.front() == '_') ++branches;
  const long long mainPhrases = static_cast<long long>(c_.LBvrf.count()) - branches;
  c_.SB1.setPanelText(1, ru("Программе известно:   [главные фразы - ") +
                             std::to_string(mainPhrases) + ru("   ветки - ") +
                             std::to_string(branches) + "]");

  c_.Input.setReadOnly(false);
  c_.Speak.setEnabled(true);
  c_.SB1.setPanelText(0, ru("Загрузка окончена"));
}

}  // namespace shell
