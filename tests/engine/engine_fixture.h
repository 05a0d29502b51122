#pragma once
// A dialogue engine on a temporary working folder, with a recording window and scripted draws.
// The fixture writes a knowledge base in which every file holds one line, so a test only writes
// the files its case is about.
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "engine/conversation_state.h"
#include "engine/dialogue_engine.h"
#include "engine/dialogue_host.h"
#include "tests/support/cp1251_literals.h"
#include "tests/support/scripted_random.h"
#include "tests/support/working_folder.h"

namespace engine_testing {

/// The window as the engine sees it. Every call that shows or changes something is recorded, in
/// UTF-8, in the order it came: "busy", "normal", "cue MP Button3.wav", "user Привет.",
/// "cpu Здравствуй!", "T9 on", "T13 off", "T13 wait 500", "exchange Да.", "clear input".
class FakeHost final : public engine::DialogueHost {
 public:
  FakeHost();

  bool cpuUser = true;
  std::string input;     // cp1251
  std::string exchange;  // cp1251
  std::vector<std::string> events;

  /// The spoken lines only ("user ..." and "cpu ...").
  std::vector<std::string> lines() const;
  /// The bot lines' texts only.
  std::vector<std::string> cpuLines() const;
  void forget() { events.clear(); }

  bool userMode() const override { return cpuUser; }
  std::string inputText() const override { return input; }
  std::string exchangePhrase() const override { return exchange; }
  void writeExchangeReply(const std::string& reply) override;
  void clearInput() override;
  void setBusyCursor(bool busy) override;
  void playCue(engine::CuePlayer player, const std::string& file) override;
  void showUserLine(const std::string& text) override;
  void showCpuLine(const std::string& text) override;
  void setTimerEnabled(engine::EngineTimer timer, bool enabled) override;
  bool timerEnabled(engine::EngineTimer timer) const override { return enabled_.at(timer); }
  void setTimerInterval(engine::EngineTimer timer, int milliseconds) override;
  int timerInterval(engine::EngineTimer timer) const override { return interval_.at(timer); }

 private:
  std::map<engine::EngineTimer, bool> enabled_;
  std::map<engine::EngineTimer, int> interval_;
};

/// The name of a timer as the window's table names it: "T4", "T9", "T10", "T13".
std::string timerName(engine::EngineTimer timer);

class EngineTest : public ::testing::Test {
 protected:
  EngineTest();
  void TearDown() override { EXPECT_TRUE(random.exhausted()) << "a scripted draw was not used"; }

  /// Every file of "Data base/AI" with one line (AI.dat two, Collection.Dat none).
  void writeSmallKnowledgeBase();
  /// Replaces a file of "Data base/AI" by these UTF-8 lines (written as cp1251, CR LF).
  void write(const std::string& name, const std::vector<std::string>& utf8Lines);
  /// Removes a file of "Data base/AI".
  void remove(const std::string& name);
  /// The lines of a file of "Data base/AI", as UTF-8.
  std::vector<std::string> read(const std::string& name) const;

  /// Types the phrase into the input field, scripts the draws and runs a turn.
  void say(const std::string& utf8Phrase, std::initializer_list<int> draws);
  /// The reply of the last turn, as UTF-8.
  std::string reply() const { return testing_support::utf8(state.CpuPhrase); }

  testing_support::WorkingFolder folder;
  engine::ConversationState state;
  FakeHost host;
  testing_support::ScriptedRandom random;
  engine::DialogueEngine engine{state, host, random};
};

}  // namespace engine_testing
