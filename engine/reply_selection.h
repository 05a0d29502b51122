#pragma once
// Reply selection for a phrase that passed the insult filter, in this order:
//   1. the long-phrase rule with a draw r from 1..6 (BigString.Dat; the branch context stays);
//   2. when BranchDepth is 1 or more, the branch scan: the lines of depth BranchDepth after
//      BranchLine, down to the end of the block (the first line not beginning with "_");
//   3. the first main scan: the first line whose whole key (depth marks included) is found;
//   4. the second main scan: the first line whose key words are all found one after another
//      (both main scans run as one pass over the lines);
//   5. otherwise the no-match fallback, then learning.
// Words.Dat is read once, under its lock, for steps 2 to 5 together, and written at most once.
// A reply from a line takes a drawn alternative and its follow-up (FollowUpPhrase), sets the
// branch context, clears RemarkEligible, and for the main scans applies the exit-marker rule:
// T4 is enabled when the line ends with "@" and disabled otherwise. A branch reply leaves T4
// alone, with or without a follow-up. Lines that break the syntax are passed over.
// Every file error propagates; what was changed before it stays changed.
#include <cstddef>
#include <optional>

#include "base/list_file.h"
#include "base/random_source.h"
#include "engine/conversation_state.h"
#include "engine/dialogue_host.h"
#include "engine/fragment_search.h"
#include "engine/key_line.h"
#include "engine/learning.h"
#include "engine/repeat_handling.h"
#include "engine/turn_values.h"

namespace engine {

class ReplySelection {
 public:
  ReplySelection(ConversationState& state, DialogueHost& host, base::RandomSource& random,
                 RepeatHandling& repeats, Learning& learning)
      : state_(state), host_(host), random_(random), repeats_(repeats), learning_(learning) {}

  /// Sets CpuPhrase, and as above FollowUpPhrase, BranchDepth, BranchLine, RemarkEligible, T4.
  void select(TurnValues& turn, const PreparedPhrase& phrase);

 private:
  bool answerFromBranch(TurnValues& turn, const PreparedPhrase& phrase, const base::Lines& lines);
  bool answerFromMainLine(TurnValues& turn, std::optional<std::size_t> line,
                          const base::Lines& lines);
  void takeAlternative(const KeyLine& line);

  ConversationState& state_;
  DialogueHost& host_;
  base::RandomSource& random_;
  RepeatHandling& repeats_;
  Learning& learning_;
};

/// The scans over the lines of Words.Dat as read, each giving the index of the answering line.
/// The branch scan: the first line after `after` of exactly `depth` marks whose branch key is
/// found, within the block; `stop` is where the scan ended (the answering line, or the first
/// line outside the block, or the line count).
struct BranchScanResult {
  std::optional<std::size_t> line;
  std::size_t stop = 0;
};
BranchScanResult branchScan(const base::Lines& lines, std::size_t after, std::size_t depth,
                            const PreparedPhrase& phrase);
/// Both main scans in one pass over the lines: the first line whose whole key is found, or,
/// when no whole key is found, the first line whose key words are found. The same answer as a
/// scan by whole keys followed by a scan by key words, with each line read once.
std::optional<std::size_t> mainScans(const base::Lines& lines, const PreparedPhrase& phrase);
/// The key words one after another in the phrase, each from the position after the previous
/// word's match, each with a fresh count. Empty words (a key ending with a blank, two blanks in
/// a row) are skipped; a key without words never matches.
bool keyWordsFound(std::string_view key, const PreparedPhrase& phrase);

}  // namespace engine
