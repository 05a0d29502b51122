#pragma once
// The main window as the dialogue engine sees it: the mode's check marks, the input field, the
// exchange list, the busy cursor, the cues, the transcript and the four timers the engine arms.
#include "engine/dialogue_host.h"
#include "shell/sound_cues.h"
#include "shell/transcript.h"
#include "toolkit/edit.h"
#include "toolkit/line_list.h"
#include "toolkit/menu.h"
#include "toolkit/platform.h"
#include "toolkit/timer.h"

namespace shell {

class DialogueWindowHost final : public engine::DialogueHost {
 public:
  struct Controls {
    toolkit::MenuItem& CpuUser1;
    toolkit::Edit& Input;
    toolkit::LineList& LoadtxtCpuCpu;
    toolkit::Player& MP;
    toolkit::Player& MP2;
    toolkit::Timer& T4;
    toolkit::Timer& T9;
    toolkit::Timer& T10;
    toolkit::Timer& T13;
  };
  DialogueWindowHost(const Controls& controls, toolkit::Screen& screen, const SoundCues& cues,
                     Transcript& transcript)
      : c_(controls), screen_(screen), cues_(cues), transcript_(transcript) {}

  /// The editor's path field names the exchange file; until it is attached there is none.
  void attachExchangePath(const toolkit::Edit& Edit1) { exchangePath_ = &Edit1; }

  bool userMode() const override { return c_.CpuUser1.checked(); }
  std::string inputText() const override { return c_.Input.text(); }
  std::string exchangePhrase() const override;
  void writeExchangeReply(const std::string& reply) override;
  void clearInput() override { c_.Input.setText({}); }

  void setBusyCursor(bool busy) override;
  void playCue(engine::CuePlayer player, const std::string& file) override;
  void showUserLine(const std::string& text) override { transcript_.ShowUserLine(text); }
  void showCpuLine(const std::string& text) override { transcript_.ShowCpuLine(text); }

  void setTimerEnabled(engine::EngineTimer timer, bool enabled) override {
    timerOf(timer).setEnabled(enabled);
  }
  bool timerEnabled(engine::EngineTimer timer) const override { return timerOf(timer).enabled(); }
  void setTimerInterval(engine::EngineTimer timer, int milliseconds) override {
    timerOf(timer).setInterval(milliseconds);
  }
  int timerInterval(engine::EngineTimer timer) const override { return timerOf(timer).interval(); }

 private:
  toolkit::Timer& timerOf(engine::EngineTimer timer) const;

  Controls c_;
  toolkit::Screen& screen_;
  const SoundCues& cues_;
  Transcript& transcript_;
  const toolkit::Edit* exchangePath_ = nullptr;
};

}  // namespace shell
