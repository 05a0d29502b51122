#include "engine/dialogue_turn.h"

#include <string>

#include "engine/busy_cursor.h"
#include "engine/knowledge_files.h"
#include "engine/phrase_normaliser.h"

namespace engine {

void DialogueTurn::SpeakClick() {
  const std::string phrase = host_.userMode() ? host_.inputText() : host_.exchangePhrase();
  if (phrase.empty()) return;

  TurnValues turn;
  random_.reseed();
  turn.TurnDraw = random_.uniform(1, 3);
  state_.UserPhrase = phrase;

  BusyCursor cursor(host_);
  state_.FollowUpPhrase.clear();
  turn.RawLength = state_.UserPhrase.size();
  turn.TopicHit = false;
  state_.UserPhrase = normalisePhrase(state_.UserPhrase);
  host_.playCue(CuePlayer::MP, std::string(cues::kSubmit));
  host_.showUserLine(state_.UserPhrase);

  reply(turn);

  state_.CpuPhrase = repeats_.avoidRepeat(std::move(state_.CpuPhrase));
  host_.playCue(CuePlayer::MP2, std::string(cues::kCpu));
  host_.showCpuLine(state_.CpuPhrase);
  armFollowUp();
  cursor.restore();
  if (turn.RemarkEligible) host_.setTimerEnabled(EngineTimer::DelayedRemark, turn.TurnDraw == 1);
  if (!host_.userMode()) host_.writeExchangeReply(state_.CpuPhrase);

  state_.LastUserPhrase = state_.UserPhrase;
  state_.LastCpuPhrase = state_.CpuPhrase;
  host_.clearInput();
  state_.IdleTicks = 0;
}

void DialogueTurn::reply(TurnValues& turn) {
  turn.RemarkEligible = true;
  if (repeats_.answerRepeatedPhrase()) return;
  turn.RemarkEligible = false;
  const PreparedPhrase phrase(state_.UserPhrase);
  if (insults_.answerInsult(phrase)) return;
  turn.TopicHit = holdsFragment(Filter_nr(), phrase);
  turn.RemarkEligible = true;
  selection_.select(turn, phrase);
}

void DialogueTurn::armFollowUp() {
  if (!state_.FollowUpPhrase.empty() && random_.uniform(1, 2) == 1)
    host_.setTimerEnabled(EngineTimer::FollowUp, true);
}

}  // namespace engine
