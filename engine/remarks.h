#pragma once
// What the bot says on its own, each job on one timer of the main window:
//   T2Timer  every second: the idle remark from Pause.Dat after 90..120 seconds without a turn
//            (a threshold drawn anew at every tick);
//   T9Timer  the delayed remark from AI.dat (never its first line) on the second tick after
//            arming: DelayTicks grows by 500 and the remark comes when it equals T9's interval;
//   T10Timer the greeting from Begin.dat with probability one third, once per enabling;
//   T13Timer the follow-up FollowUpPhrase: each tick sets T13's next wait to 100..1099 ms and
//            adds 15 to DelayTicks; it speaks when DelayTicks reaches that wait.
// DelayTicks is shared by T9Timer and T13Timer; each sets it back to 0 after speaking. A remark
// changes neither LastUserPhrase nor LastCpuPhrase. A job that has spoken disarms its own timer
// (T2 is never disarmed). A failing file step throws out of the job with its timer still armed;
// the busy cursor comes back.
// When a later turn has cleared FollowUpPhrase before the follow-up came, T13Timer speaks no
// empty line: it disarms T13 and sets DelayTicks back to 0 without speaking.
#include "base/random_source.h"
#include "engine/conversation_state.h"
#include "engine/dialogue_host.h"
#include "engine/knowledge_files.h"
#include "engine/repeat_handling.h"

namespace engine {

class Remarks {
 public:
  Remarks(ConversationState& state, DialogueHost& host, base::RandomSource& random,
          KnowledgeFiles& files, RepeatHandling& repeats)
      : state_(state), host_(host), random_(random), files_(files), repeats_(repeats) {}

  void T2Timer();
  void T9Timer();
  void T10Timer();
  void T13Timer();

 private:
  int drawIdleThreshold();

  ConversationState& state_;
  DialogueHost& host_;
  base::RandomSource& random_;
  KnowledgeFiles& files_;
  RepeatHandling& repeats_;
};

}  // namespace engine
