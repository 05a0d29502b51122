#pragma once
// The new-dialogue command ("&Новый диалог", N2): reloads the settings, forgets the previous
// phrase and reply, clears the dialogue view, the dialogue log and the input field (a change of
// its text like any other, with its cue), and arms the loading job (T3), the shake (T7) and the
// greeting (T10). When the settings cannot be read ("Cannot open file Data base\ini\Config.ini")
// nothing else is done and the dialogue goes on unchanged.
//
// Left as they were: the dialogue header (not written again, so the new log begins with its first
// dialogue line), the statistics captions, the appearance, Log.dat (the abandoned dialogue is
// lost), the idle counter, pending delayed and follow-up remarks, the dialogue mode, Speed Word,
// the exit sequence and its count.
#include "engine/conversation_state.h"
#include "shell/settings.h"
#include "toolkit/edit.h"
#include "toolkit/line_list.h"
#include "toolkit/rich_view.h"
#include "toolkit/timer.h"

namespace shell {

class NewDialogue {
 public:
  struct Controls {
    toolkit::RichView& RE1;
    toolkit::LineList& Log;
    toolkit::Edit& Input;
    toolkit::Timer& T3;
    toolkit::Timer& T7;
    toolkit::Timer& T10;
  };
  NewDialogue(const Controls& controls, Settings& Config, engine::ConversationState& Conversation)
      : c_(controls), config_(Config), conversation_(Conversation) {}

  void N2Click();

 private:
  Controls c_;
  Settings& config_;
  engine::ConversationState& conversation_;
};

}  // namespace shell
