#include "shell/sound_cues.h"

#include <exception>

#include "base/paths.h"

namespace shell {

void SoundCues::PlayCue(toolkit::Player& player, const std::string& file) const {
  try {
    apply(player, file);
  } catch (const std::exception&) {
    // Skipped: see the header. The event the cue belongs to goes on.
  }
}

void SoundCues::apply(toolkit::Player& player, const std::string& file) const {
  if (config_.SwitchValue(4) == "NO" && base::fileExists(kSilencingProbe)) {
    if (player.hasFile()) player.stop();
  }
  if (config_.SwitchValue(4) == "YES" && base::fileExists(file)) {
    player.open(file);
    player.play();
  }
}

}  // namespace shell
