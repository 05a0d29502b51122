#include "shell/dialogue_log_layout.h"

#include "base/cp1251.h"
#include "base/date_time.h"

namespace shell {

const std::string& logSeparator() {
  static const std::string separator(53, '=');
  return separator;
}

std::string datedLogLine(std::string_view utf8Lead, std::time_t time) {
  return base::ru(utf8Lead) + base::ru("Дата - ") + base::formatShortDate(time) + "   |   " +
         base::ru("Время - ") + base::formatLongTime(time);
}

}  // namespace shell
