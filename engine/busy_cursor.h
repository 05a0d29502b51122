#pragma once
// The hourglass for the length of a job: shown on construction, the normal cursor back on
// restore() or, when the job fails on the way, on destruction, so a failed turn never leaves the
// hourglass behind.
#include "engine/dialogue_host.h"

namespace engine {

class BusyCursor {
 public:
  explicit BusyCursor(DialogueHost& host) : host_(host) { host_.setBusyCursor(true); }
  ~BusyCursor() { restore(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

  void restore() {
    if (busy_) host_.setBusyCursor(false);
    busy_ = false;
  }

 private:
  DialogueHost& host_;
  bool busy_ = true;
};

}  // namespace engine
