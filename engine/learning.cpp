#include "engine/learning.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "engine/key_line.h"
#include "engine/knowledge_files.h"
#include "engine/phrase_normaliser.h"

namespace engine {

namespace {

constexpr std::size_t kShortestLesson = 5;

}  // namespace

void Learning::learn(const TurnValues& turn, const FallbackReply& fallback, WordsFile& words) {
  if (turn.RawLength < kShortestLesson) return;
  if (!turn.TopicHit && !learnGeneralReply(fallback)) return;
  learnKey(turn, words);
}

bool Learning::learnGeneralReply(const FallbackReply& fallback) {
  const std::string& phrase = state_.UserPhrase;
  const auto& known = fallback.sourceLines;
  if (std::find(known.begin(), known.end(), phrase) != known.end()) return true;
  if (fallback.reply.empty()) return false;
  const bool question = fallback.reply.find('?') != std::string::npos;
  KnowledgeFiles::append(question ? files::kW1 : files::kW2, phrase);
  return true;
}

void Learning::learnKey(const TurnValues& turn, WordsFile& words) {
  const std::string key = keyForm(state_.UserPhrase);
  const bool associate = turn.TurnDraw != 1 && !state_.LastCpuPhrase.empty();
  const std::string previousKey = associate ? keyForm(state_.LastCpuPhrase) : std::string();

  // One pass answers both questions: is K known, and which line first has the previous reply's
  // key. The key line added for K can only be that line when the two keys are equal, since no
  // earlier line has key K.
  const base::Lines& lines = words.lines();
  std::optional<std::size_t> previousLine;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (learnedKeyEquals(lines[i], key)) return;
    if (associate && !previousLine && learnedKeyEquals(lines[i], previousKey)) previousLine = i;
  }

  base::Lines& changed = words.change();
  changed.push_back(key + "^");
  if (!associate) return;
  if (!previousLine && previousKey == key) previousLine = changed.size() - 1;
  if (!previousLine) return;
  std::string moved = std::move(changed[*previousLine]);
  changed.erase(changed.begin() + static_cast<std::ptrdiff_t>(*previousLine));
  changed.push_back(std::move(moved) + state_.UserPhrase + ";");
}

}  // namespace engine
