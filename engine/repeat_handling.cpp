#include "engine/repeat_handling.h"

#include <utility>

#include "base/text_case.h"

namespace engine {

namespace {
constexpr std::size_t kLongPhrase = 110;
}

bool RepeatHandling::answerRepeatedPhrase() {
  if (!base::equalsIgnoringCase(state_.UserPhrase, state_.LastUserPhrase)) return false;
  state_.CpuPhrase = files_.pick(files::kPovtor);
  return true;
}

bool RepeatHandling::answerLongPhrase(int r) {
  const bool drawQualifies = r == 1 || r == 3 || r == 4 || r == 5;
  if (!drawQualifies || state_.UserPhrase.size() < kLongPhrase) return false;
  state_.CpuPhrase = files_.pick(files::kBigString);
  return true;
}

FallbackReply RepeatHandling::fallback() {
  FallbackReply fallback;
  const bool question = !state_.UserPhrase.empty() && state_.UserPhrase.back() == '?';
  fallback.source = question ? files::kW1 : files::kW2;
  fallback.sourceLines = base::readListFile(fallback.source);
  fallback.reply = files_.pickFrom(fallback.sourceLines);
  return fallback;
}

std::string RepeatHandling::avoidRepeat(std::string text) {
  if (!base::equalsIgnoringCase(text, state_.LastCpuPhrase)) return text;
  return std::move(text) + "     " + files_.pick(files::kCpuPvt);
}

}  // namespace engine
