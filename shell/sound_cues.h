#pragma once
// The one sound-cue rule, read afresh at every cue from row 4 of the settings: "YES" (any letter
// case) plays the cue's file when it exists; "NO" stops the player, when it has a file open and
// "Data base\Sound\CpuSound.wav" exists; any other value, or a missing file, does nothing and a
// sound from an earlier cue plays on. Playing runs on by itself: a cue never holds up its event.
//
// A cue never fails its event either. A settings file too short to hold row 4 is reported once by
// start-up; were the cue to raise it as well, every turn would end at its submission cue and every
// keystroke would raise a box, so the cue is skipped instead. A player that cannot play its file
// stays silent without a message.
#include <string>
#include <string_view>

#include "shell/settings.h"
#include "toolkit/platform.h"

namespace shell {

class SoundCues {
 public:
  /// The file whose presence allows the silencing step.
  static constexpr std::string_view kSilencingProbe = "Data base\\Sound\\CpuSound.wav";

  explicit SoundCues(const Settings& Config) : config_(Config) {}

  /// Plays, silences or skips the cue `file` (a program path) on `player`; returns at once.
  void PlayCue(toolkit::Player& player, const std::string& file) const;

 private:
  void apply(toolkit::Player& player, const std::string& file) const;

  const Settings& config_;
};

}  // namespace shell
