#pragma once
// One dialogue turn, `SpeakClick`: one phrase in, exactly one reply out, in this order:
//   1. reseed, draw TurnDraw from 1..3;
//   2. the phrase: the input field in the Cpu\User mode, the exchange file's first line in the
//      Cpu\Cpu mode;
//   3. busy cursor, FollowUpPhrase cleared, RawLength taken;
//   4. normalisation; 5. the submission cue on MP; 6. the user line;
//   7. a repeated phrase is answered from Povtor.Dat (to step 11);
//   8. an insult is answered from X.Dat and recorded (to step 11);
//   9. the topic filter; 10. reply selection (with fallback and learning);
//   11. repeat avoidance; 12. the reply cue on MP2; 13. the bot line;
//   14. a reply with a follow-up arms T13 on a draw of 1 from 1..2;
//   15. normal cursor;
//   16. a Povtor, BigString or fallback reply arms T9 on TurnDraw 1 and disarms it on 2 or 3;
//   17. Cpu\Cpu: the reply becomes the exchange file's only line;
//   18. the phrase and reply become the previous ones, the input field is emptied, IdleTicks 0.
// A failing file step throws out of SpeakClick at that step: lines already shown stay, the cursor
// comes back, and step 18 does not happen. An empty phrase (an empty input field, an exchange
// file without a first line) is no turn: nothing is drawn, shown or changed.
#include "base/random_source.h"
#include "engine/conversation_state.h"
#include "engine/dialogue_host.h"
#include "engine/fragment_search.h"
#include "engine/phrase_filters.h"
#include "engine/repeat_handling.h"
#include "engine/reply_selection.h"
#include "engine/turn_values.h"

namespace engine {

class DialogueTurn {
 public:
  DialogueTurn(ConversationState& state, DialogueHost& host, base::RandomSource& random,
               RepeatHandling& repeats, InsultFilter& insults, ReplySelection& selection)
      : state_(state),
        host_(host),
        random_(random),
        repeats_(repeats),
        insults_(insults),
        selection_(selection) {}

  void SpeakClick();

 private:
  /// Steps 7 to 10: CpuPhrase and RemarkEligible.
  void reply(TurnValues& turn);
  /// Step 14: a follow-up is spoken with probability one half.
  void armFollowUp();

  ConversationState& state_;
  DialogueHost& host_;
  base::RandomSource& random_;
  RepeatHandling& repeats_;
  InsultFilter& insults_;
  ReplySelection& selection_;
};

}  // namespace engine
