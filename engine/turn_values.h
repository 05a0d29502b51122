#pragma once
// Values that live for one turn only.
#include <cstddef>

namespace engine {

struct TurnValues {
  int TurnDraw = 1;             // 1..3: arms the delayed remark on 1, and skips association on 1
  std::size_t RawLength = 0;    // length of the phrase as taken, before normalisation
  bool TopicHit = false;        // the topic filter found a fragment
  bool RemarkEligible = false;  // the reply came from Povtor, BigString or the no-match fallback
};

}  // namespace engine
