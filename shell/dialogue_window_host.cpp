#include "shell/dialogue_window_host.h"

namespace shell {

std::string DialogueWindowHost::exchangePhrase() const {
  return c_.LoadtxtCpuCpu.empty() ? std::string() : c_.LoadtxtCpuCpu.get(0);
}

void DialogueWindowHost::writeExchangeReply(const std::string& reply) {
  c_.LoadtxtCpuCpu.clear();
  c_.LoadtxtCpuCpu.add(reply);
  if (exchangePath_ != nullptr) c_.LoadtxtCpuCpu.saveToFile(exchangePath_->text());
}

void DialogueWindowHost::setBusyCursor(bool busy) {
  screen_.setCursor(busy ? toolkit::Cursor::Hourglass : toolkit::Cursor::Default);
}

void DialogueWindowHost::playCue(engine::CuePlayer player, const std::string& file) {
  cues_.PlayCue(player == engine::CuePlayer::MP ? c_.MP : c_.MP2, file);
}

toolkit::Timer& DialogueWindowHost::timerOf(engine::EngineTimer timer) const {
  switch (timer) {
    case engine::EngineTimer::ExitSequence:
      return c_.T4;
    case engine::EngineTimer::DelayedRemark:
      return c_.T9;
    case engine::EngineTimer::Greeting:
      return c_.T10;
    case engine::EngineTimer::FollowUp:
      break;
  }
  return c_.T13;
}

}  // namespace shell
