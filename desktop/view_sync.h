#pragma once
// The views copy the control model into their widgets after everything that can change it: every
// clock tick and every user action forwarded to the model. A user action runs through the error
// dispatch like any other event.
#include <functional>
#include <vector>

#include "toolkit/error_dispatch.h"

namespace desktop {

class ViewSync {
 public:
  explicit ViewSync(toolkit::ErrorDispatch& errors) : errors_(errors) {}

  void addView(std::function<void()> sync) { views_.push_back(std::move(sync)); }
  /// Brings every view up to date with the model.
  void syncAll() {
    for (auto& sync : views_) sync();
  }
  /// Runs a user action on the model, then brings the views up to date.
  void userAction(const std::function<void()>& action) {
    errors_.runEvent(action);
    syncAll();
  }

 private:
  toolkit::ErrorDispatch& errors_;
  std::vector<std::function<void()>> views_;
};

}  // namespace desktop
