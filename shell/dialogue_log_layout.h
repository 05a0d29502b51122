#pragma once
// The fixed lines that frame a dialogue in the dialogue log and in Log.dat: the separator of 53
// "=" and the dated lines "<lead>Дата - " short date "   |   " "Время - " long time.
#include <ctime>
#include <string>
#include <string_view>

namespace shell {

/// A line of 53 "=".
const std::string& logSeparator();

/// utf8Lead (written in UTF-8, "Начало диалога: ") followed by the date and time of `time`, in
/// the user's short date and long time formats; cp1251.
std::string datedLogLine(std::string_view utf8Lead, std::time_t time);

}  // namespace shell
