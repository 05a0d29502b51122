#include "tests/shell/shell_fixture.h"

#include <exception>

namespace shell_testing {

std::vector<std::string> settingsRows(const std::map<int, std::string>& replaced) {
  std::vector<std::string> rows = {"Program=Boltomir",
                                   "Version=2.56",
                                   "Shake=YES",
                                   "Sound=YES",
                                   "Unused5=",
                                   "Unused6=",
                                   "WindowColor=12632256",
                                   "DialogueColor=12632256",
                                   "InputColor=12632256",
                                   "Unused10=",
                                   "Unused11=",
                                   "SpeakCaptionColor=0",
                                   "CancelCaptionColor=0",
                                   "EnRusCaptionColor=0",
                                   "UserLineColor=0",
                                   "CpuLineColor=0",
                                   "InputTextColor=0",
                                   "Unused18=",
                                   "UserFontName=MS Sans Serif",
                                   "UserFontStyle=[]",
                                   "UserFontSize=8",
                                   "Unused22=",
                                   "CpuFontName=MS Sans Serif",
                                   "CpuFontStyle=[]",
                                   "CpuFontSize=8",
                                   "Unused26=",
                                   "InputFontName=MS Sans Serif",
                                   "InputFontStyle=[]",
                                   "Unused29=",
                                   "Unused30=",
                                   "Adres=Data base\\Txt.Dat"};
  for (const auto& [row, line] : replaced) rows.at(static_cast<std::size_t>(row) - 1) = line;
  return rows;
}

std::string failureOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const std::exception& failure) {
    return utf8(failure.what());
  }
  return "no failure";
}

void ShellTest::writeSettings(const std::vector<std::string>& utf8Rows) const {
  folder.writeLines("Data base/ini/Config.ini", utf8Rows);
}

void ShellTest::writeAi(const std::string& name, const std::vector<std::string>& utf8Lines) const {
  folder.writeLines("Data base/AI/" + name, utf8Lines);
}

void ShellTest::writeCues() const {
  for (const char* name :
       {"Button1.wav", "Button2.wav", "Button3.wav", "Close.wav", "CpuSound.wav", "KeyBoard.wav"})
    folder.writeBytes(std::string("Data base/Sound/") + name, "RIFF");
}

std::vector<std::string> ShellTest::shownMessages() const {
  std::vector<std::string> messages;
  for (const auto& shown : box.shown) messages.push_back(utf8(shown.message));
  return messages;
}

}  // namespace shell_testing
