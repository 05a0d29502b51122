#pragma once
// The conversation state: one record owned by the main window for the whole run. Every field
// starts empty or 0; a new dialogue clears LastUserPhrase and LastCpuPhrase only.
#include <string>

namespace engine {

struct ConversationState {
  std::string UserPhrase;      // the phrase of the current turn, normalised
  std::string CpuPhrase;       // the reply being built; also the buffer of idle remark and greeting
  std::string LastUserPhrase;  // UserPhrase of the previous completed turn
  std::string LastCpuPhrase;   // CpuPhrase of the previous completed turn, as shown
  std::string FollowUpPhrase;  // follow-up text of this turn's reply, spoken by the follow-up timer
  int IdleTicks = 0;           // seconds of silence counted by the idle timer
  int BranchDepth = 0;         // depth of the branch lines the next turn tries first; 0 = none
  int BranchLine = 0;          // index of the Words.Dat line whose branch lines are pending
  int DelayTicks = 0;          // shared by the delayed-remark and the follow-up timers
};

}  // namespace engine
