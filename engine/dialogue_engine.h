#pragma once
// The dialogue engine as the main window uses it: the turn and the four remark jobs on one
// conversation state, one window and one random source. The window keeps the state and calls
// SpeakClick for the Say button and the T2, T9, T10 and T13 jobs on their timers' ticks. Every
// failure is a base::Error with the message of the error box, thrown out of the handler.
#include "base/random_source.h"
#include "engine/conversation_state.h"
#include "engine/dialogue_host.h"
#include "engine/dialogue_turn.h"
#include "engine/knowledge_files.h"
#include "engine/learning.h"
#include "engine/phrase_filters.h"
#include "engine/remarks.h"
#include "engine/repeat_handling.h"
#include "engine/reply_selection.h"

namespace engine {

class DialogueEngine {
 public:
  DialogueEngine(ConversationState& state, DialogueHost& host, base::RandomSource& random)
      : files_(random),
        repeats_(state, files_),
        learning_(state),
        insults_(state, files_),
        selection_(state, host, random, repeats_, learning_),
        turn_(state, host, random, repeats_, insults_, selection_),
        remarks_(state, host, random, files_, repeats_) {}
  DialogueEngine(const DialogueEngine&) = delete;
  DialogueEngine& operator=(const DialogueEngine&) = delete;

  void SpeakClick() { turn_.SpeakClick(); }
  void T2Timer() { remarks_.T2Timer(); }
  void T9Timer() { remarks_.T9Timer(); }
  void T10Timer() { remarks_.T10Timer(); }
  void T13Timer() { remarks_.T13Timer(); }

 private:
  KnowledgeFiles files_;
  RepeatHandling repeats_;
  Learning learning_;
  InsultFilter insults_;
  ReplySelection selection_;
  DialogueTurn turn_;
  Remarks remarks_;
};

}  // namespace engine
