#pragma once
// What the bot says when the knowledge base does not answer, and how it avoids saying the same
// thing twice in a row: the repeated phrase (Povtor.Dat), the long phrase (BigString.Dat), the
// no-match fallback (W1.Dat for a question, W2.Dat otherwise) and repeat avoidance (CPUpvt.dat).
// Every pick throws the file errors of KnowledgeFiles::pick.
#include <string>
#include <string_view>

#include "base/list_file.h"
#include "engine/conversation_state.h"
#include "engine/knowledge_files.h"

namespace engine {

/// The no-match reply and the file it was picked from, with that file's lines as read.
struct FallbackReply {
  std::string reply;
  std::string_view source;
  base::Lines sourceLines;
};

class RepeatHandling {
 public:
  RepeatHandling(ConversationState& state, KnowledgeFiles& files) : state_(state), files_(files) {}

  /// When UserPhrase equals LastUserPhrase ignoring case: CpuPhrase := a line of Povtor.Dat and
  /// true; otherwise false and nothing read.
  bool answerRepeatedPhrase();
  /// When the draw r is 1, 3, 4 or 5 and UserPhrase has at least 110 characters: CpuPhrase :=
  /// a line of BigString.Dat and true; otherwise false and nothing read.
  bool answerLongPhrase(int r);
  /// A line of W1.Dat when UserPhrase ends with "?", of W2.Dat otherwise.
  FallbackReply fallback();
  /// The text, or, when it equals LastCpuPhrase ignoring case, the text + five blanks + a line
  /// of CPUpvt.dat.
  std::string avoidRepeat(std::string text);

 private:
  ConversationState& state_;
  KnowledgeFiles& files_;
};

}  // namespace engine
