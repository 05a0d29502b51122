#include "engine/key_line.h"

#include <algorithm>

namespace engine {

KeyLine::KeyLine(std::string_view line) : line_(line) {
  if (line_.size() >= 2) caret_ = line_.find('^', 1);
  depth_ = std::min(line_.find_first_not_of('_'), line_.size());
}

std::string_view KeyLine::scanKey() const {
  return hasCaret() ? line_.substr(0, caret_) : std::string_view();
}

std::string_view KeyLine::branchKey() const {
  if (!hasCaret() || depth_ >= caret_) return {};
  return line_.substr(depth_, caret_ - depth_);
}

bool KeyLine::wellFormed() const {
  const std::string_view key = branchKey();
  if (key.empty() || key.find_first_of("^;") != std::string_view::npos) return false;
  if (!hasAlternatives()) return true;
  std::string_view alternatives = line_.substr(caret_ + 1);
  const std::size_t lastSemicolon = alternatives.rfind(';');
  if (lastSemicolon == std::string_view::npos) return false;
  const std::string_view tail = alternatives.substr(lastSemicolon + 1);
  if (!tail.empty() && tail != "@") return false;
  alternatives = alternatives.substr(0, lastSemicolon + 1);
  while (!alternatives.empty()) {
    const std::size_t end = alternatives.find(';');
    const std::string_view one = alternatives.substr(0, end);
    if (one.empty() || one.front() == '|') return false;  // an empty reply text
    alternatives.remove_prefix(end + 1);
  }
  return true;
}

std::size_t KeyLine::alternativeCount() const {
  return static_cast<std::size_t>(std::count(line_.begin(), line_.end(), ';'));
}

Alternative KeyLine::alternative(std::size_t k) const {
  std::size_t start = caret_ + 1;
  for (std::size_t i = 1; i < k; ++i) start = line_.find(';', start) + 1;
  const std::string_view rest = line_.substr(start);
  Alternative chosen;
  const std::size_t replyEnd = rest.find_first_of(";|");
  chosen.reply = rest.substr(0, replyEnd);
  if (replyEnd != std::string_view::npos && rest[replyEnd] == '|') {
    const std::string_view afterBar = rest.substr(replyEnd + 1);
    chosen.followUp = afterBar.substr(0, afterBar.find(';'));
    chosen.hasFollowUp = true;
  }
  return chosen;
}

bool learnedKeyEquals(std::string_view line, std::string_view keyForm) {
  // Compare the length first: most lines are refused without looking for their "^".
  return line.size() > keyForm.size() && line[keyForm.size()] == '^' &&
         line.substr(0, keyForm.size()) == keyForm &&
         line.substr(0, keyForm.size()).find('^') == std::string_view::npos;
}

}  // namespace engine
