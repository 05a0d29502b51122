#include "tests/engine/engine_fixture.h"

#include <filesystem>

namespace engine_testing {

using testing_support::utf8;

namespace {

std::string playerName(engine::CuePlayer player) {
  return player == engine::CuePlayer::MP ? "MP" : "MP2";
}

// "Data base\Sound\Button3.wav" is recorded as "Button3.wav": the folder is always the same.
std::string fileName(const std::string& path) { return path.substr(path.rfind('\\') + 1); }

}  // namespace

std::string timerName(engine::EngineTimer timer) {
  switch (timer) {
    case engine::EngineTimer::ExitSequence:
      return "T4";
    case engine::EngineTimer::DelayedRemark:
      return "T9";
    case engine::EngineTimer::Greeting:
      return "T10";
    case engine::EngineTimer::FollowUp:
      return "T13";
  }
  return "?";
}

FakeHost::FakeHost() {
  using engine::EngineTimer;
  enabled_ = {{EngineTimer::ExitSequence, false},
              {EngineTimer::DelayedRemark, false},
              {EngineTimer::Greeting, true},
              {EngineTimer::FollowUp, false}};
  interval_ = {{EngineTimer::ExitSequence, 50},
               {EngineTimer::DelayedRemark, 1000},
               {EngineTimer::Greeting, 1},
               {EngineTimer::FollowUp, 1}};
}

std::vector<std::string> FakeHost::lines() const {
  std::vector<std::string> spoken;
  for (const auto& event : events)
    if (event.starts_with("user ") || event.starts_with("cpu ")) spoken.push_back(event);
  return spoken;
}

std::vector<std::string> FakeHost::cpuLines() const {
  std::vector<std::string> spoken;
  for (const auto& event : events)
    if (event.starts_with("cpu ")) spoken.push_back(event.substr(4));
  return spoken;
}

void FakeHost::writeExchangeReply(const std::string& reply) {
  events.push_back("exchange " + utf8(reply));
}

void FakeHost::clearInput() {
  input.clear();
  events.push_back("clear input");
}

void FakeHost::setBusyCursor(bool busy) { events.push_back(busy ? "busy" : "normal"); }

void FakeHost::playCue(engine::CuePlayer player, const std::string& file) {
  events.push_back("cue " + playerName(player) + " " + fileName(file));
}

void FakeHost::showUserLine(const std::string& text) { events.push_back("user " + utf8(text)); }

void FakeHost::showCpuLine(const std::string& text) { events.push_back("cpu " + utf8(text)); }

void FakeHost::setTimerEnabled(engine::EngineTimer timer, bool enabled) {
  enabled_[timer] = enabled;
  events.push_back(timerName(timer) + (enabled ? " on" : " off"));
}

void FakeHost::setTimerInterval(engine::EngineTimer timer, int milliseconds) {
  interval_[timer] = milliseconds;
  events.push_back(timerName(timer) + " wait " + std::to_string(milliseconds));
}

EngineTest::EngineTest() { writeSmallKnowledgeBase(); }

void EngineTest::writeSmallKnowledgeBase() {
  write("Words.Dat", {"ПРИВЕТ^Здравствуй!;"});
  write("Povtor.Dat", {"Ты это уже говорил."});
  write("X.Dat", {"Не надо грубить."});
  write("Collection.Dat", {});
  write("BigString.Dat", {"Как много слов!"});
  write("W1.Dat", {"Не знаю, а ты?"});
  write("W2.Dat", {"Понятно."});
  write("CPUpvt.dat", {"Опять я за своё."});
  write("Pause.Dat", {"Ты здесь?"});
  write("AI.dat", {"Заголовок", "Кстати, о погоде."});
  write("Begin.dat", {"Здравствуй!"});
}

void EngineTest::write(const std::string& name, const std::vector<std::string>& utf8Lines) {
  folder.writeLines("Data base/AI/" + name, utf8Lines);
}

void EngineTest::remove(const std::string& name) {
  std::filesystem::remove(folder.path() / "Data base" / "AI" / name);
}

std::vector<std::string> EngineTest::read(const std::string& name) const {
  return folder.readLines("Data base/AI/" + name);
}

void EngineTest::say(const std::string& utf8Phrase, std::initializer_list<int> draws) {
  host.input = testing_support::cp(utf8Phrase);
  random.script(draws);
  engine.SpeakClick();
}

}  // namespace engine_testing
