#pragma once
// The two fixed fragment lists tried before reply selection: the insult list `Cenzura`, whose
// hit is answered from X.Dat and recorded in Collection.Dat, and the topic list `Filter_nr`,
// whose hit keeps a phrase about the speaker's own person out of the general replies that
// learning writes. Fragments are upper-case cp1251 and matched with FragmentSearch, blanks and
// signs included.
#include <string>
#include <vector>

#include "engine/conversation_state.h"
#include "engine/fragment_search.h"
#include "engine/knowledge_files.h"

namespace engine {

/// The 99 insult fragments, in their order.
const std::vector<std::string>& Cenzura();
/// The 100 topic fragments, in their order.
const std::vector<std::string>& Filter_nr();

/// True when FragmentSearch finds one of the fragments in the phrase (the first one found ends
/// the search).
bool holdsFragment(const std::vector<std::string>& fragments, const PreparedPhrase& phrase);

class InsultFilter {
 public:
  InsultFilter(ConversationState& state, KnowledgeFiles& files) : state_(state), files_(files) {}

  /// On a hit: CpuPhrase := a random line of X.Dat, and ">>> " + UserPhrase is appended to
  /// Collection.Dat; returns true. Without a hit nothing changes. Throws the file errors of the
  /// pick and the append (an empty X.Dat: listIndexOutOfBounds(0)).
  bool answerInsult(const PreparedPhrase& phrase);

 private:
  ConversationState& state_;
  KnowledgeFiles& files_;
};

}  // namespace engine
