#include "shell/exit_command.h"

#include <string_view>

#include "base/list_file.h"
#include "shell/dialogue_log_layout.h"

namespace shell {

namespace {
constexpr std::string_view kLogPath = "Data base\\AI\\Log.dat";
}  // namespace

void ExitCommand::N4Click() {
  {
    base::FileLock lock(kLogPath);
    c_.LBvrf.loadFromFile(kLogPath);
    c_.LBvrf.add("");
    for (const std::string& line : c_.Log.lines()) c_.LBvrf.add(line);
    c_.LBvrf.add("");
    c_.LBvrf.add(datedLogLine("Конец диалога: ", clock_.now()));
    c_.LBvrf.add(logSeparator());
    c_.LBvrf.saveToFile(kLogPath);
  }
  c_.Self.close();
}

}  // namespace shell
