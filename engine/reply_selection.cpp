#include "engine/reply_selection.h"

#include <algorithm>
#include <cstdint>

#include "engine/words_file.h"

namespace engine {

namespace {

// A line that could answer at all: it has alternatives and follows the syntax. The syntax check
// runs only on a line whose key was found, so a scan reads little of each line.
bool answers(const KeyLine& line) { return line.wellFormed(); }

}  // namespace

BranchScanResult branchScan(const base::Lines& lines, std::size_t after, std::size_t depth,
                            const PreparedPhrase& phrase) {
  std::size_t i = after + 1;
  for (; i < lines.size() && !lines[i].empty() && lines[i].front() == '_'; ++i) {
    const KeyLine line(lines[i]);
    if (line.depth() != depth || !line.hasAlternatives()) continue;
    if (phrase.find(line.branchKey()) && answers(line)) return {i, i};
  }
  return {std::nullopt, i};
}

std::optional<std::size_t> mainScans(const base::Lines& lines, const PreparedPhrase& phrase) {
  std::optional<std::size_t> foundByWords;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const KeyLine line(lines[i]);
    if (!line.hasAlternatives()) continue;
    const std::string_view key = line.scanKey();
    if (phrase.find(key) && answers(line)) return i;
    if (!foundByWords && keyWordsFound(key, phrase) && answers(line)) foundByWords = i;
  }
  return foundByWords;
}

bool keyWordsFound(std::string_view key, const PreparedPhrase& phrase) {
  bool anyWord = false;
  std::size_t from = 0;
  while (!key.empty()) {
    const std::size_t blank = key.find(' ');
    const std::string_view word = key.substr(0, blank);
    key = blank == std::string_view::npos ? std::string_view() : key.substr(blank + 1);
    if (word.empty()) continue;
    const auto found = phrase.find(word, from);
    if (!found) return false;
    from = *found;
    anyWord = true;
  }
  return anyWord;
}

void ReplySelection::select(TurnValues& turn, const PreparedPhrase& phrase) {
  if (repeats_.answerLongPhrase(random_.uniform(1, 6))) return;

  WordsFile words;
  const base::Lines& lines = words.lines();
  if (state_.BranchDepth >= 1) {
    if (answerFromBranch(turn, phrase, lines)) return;
    state_.BranchDepth = 0;
  }
  if (answerFromMainLine(turn, mainScans(lines, phrase), lines)) return;

  turn.RemarkEligible = true;
  FallbackReply fallback = repeats_.fallback();
  state_.CpuPhrase = fallback.reply;
  learning_.learn(turn, fallback, words);
  words.commit();
}

bool ReplySelection::answerFromBranch(TurnValues& turn, const PreparedPhrase& phrase,
                                      const base::Lines& lines) {
  turn.RemarkEligible = false;
  // BranchLine is only ever set to a line of the file; a negative one names no block.
  const std::size_t after =
      state_.BranchLine < 0 ? lines.size() : static_cast<std::size_t>(state_.BranchLine);
  const BranchScanResult scan =
      branchScan(lines, after, static_cast<std::size_t>(state_.BranchDepth), phrase);
  state_.BranchLine = static_cast<int>(std::min<std::size_t>(scan.stop, INT32_MAX));
  if (!scan.line) return false;
  takeAlternative(KeyLine(lines[*scan.line]));
  state_.BranchDepth += 1;
  return true;
}

bool ReplySelection::answerFromMainLine(TurnValues& turn, std::optional<std::size_t> index,
                                        const base::Lines& lines) {
  if (!index) return false;
  const KeyLine line(lines[*index]);
  takeAlternative(line);
  state_.BranchDepth += 1;
  state_.BranchLine = static_cast<int>(*index);
  host_.setTimerEnabled(EngineTimer::ExitSequence, line.exitMarker());
  turn.RemarkEligible = false;
  return true;
}

void ReplySelection::takeAlternative(const KeyLine& line) {
  const int count = static_cast<int>(line.alternativeCount());
  const Alternative chosen = line.alternative(static_cast<std::size_t>(random_.uniform(1, count)));
  state_.CpuPhrase = chosen.reply;
  if (chosen.hasFollowUp) state_.FollowUpPhrase = chosen.followUp;
}

}  // namespace engine
