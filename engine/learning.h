#pragma once
// Learning from a phrase the knowledge base did not answer, after the no-match fallback has
// picked the reply:
//   1. a phrase shorter than 5 characters as taken (RawLength) teaches nothing;
//   2. unless the topic filter hit, the phrase becomes a general reply: appended to W1.Dat when
//      the reply holds a "?", to W2.Dat otherwise; not when the fallback's source file already
//      holds the phrase; and when it does not and the reply is empty, nothing at all is learned;
//   3. its key form K becomes a key line "K^" at the end of Words.Dat, unless a line's key is K
//      already (then learning ends);
//   4. two times in three (TurnDraw 2 or 3) and when the bot had a previous reply, the first
//      line whose key is the key form of LastCpuPhrase is moved to the end of the file with the
//      phrase + ";" added: the phrase becomes a reply to what the bot said before.
// Steps 3 and 4 change the Words.Dat lines of the turn in memory; WordsFile::commit writes them
// once. Throws the file errors of the general-reply append.
#include "engine/conversation_state.h"
#include "engine/repeat_handling.h"
#include "engine/turn_values.h"
#include "engine/words_file.h"

namespace engine {

class Learning {
 public:
  explicit Learning(const ConversationState& state) : state_(state) {}

  void learn(const TurnValues& turn, const FallbackReply& fallback, WordsFile& words);

 private:
  /// Step 2; false when learning ends there.
  bool learnGeneralReply(const FallbackReply& fallback);
  /// Steps 3 and 4.
  void learnKey(const TurnValues& turn, WordsFile& words);

  const ConversationState& state_;
};

}  // namespace engine
