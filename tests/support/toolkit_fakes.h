#pragma once
// Fakes of the control model's ports for the headless and offscreen tests: an error box that
// records what it would show, a screen of a fixed size that records the cursor, players that
// record every call.
#include <string>
#include <vector>

#include "toolkit/error_dispatch.h"
#include "toolkit/platform.h"

namespace testing_support {

class RecordingErrorBox final : public toolkit::ErrorBox {
 public:
  struct Shown {
    std::string title;
    std::string message;
  };
  void showError(const std::string& title, const std::string& message) override {
    shown.push_back({title, message});
  }
  std::vector<Shown> shown;
};

class FakeScreen final : public toolkit::Screen {
 public:
  int desktopWidth() const override { return 1024; }
  int desktopHeight() const override { return 768; }
  void setCursor(toolkit::Cursor value) override { cursors.push_back(value); }
  std::vector<toolkit::Cursor> cursors;
};

/// Records "open <path>", "play" and "stop" in the order they come.
class RecordingPlayer final : public toolkit::Player {
 public:
  void open(const std::string& programPath) override {
    calls.push_back("open " + programPath);
    open_ = true;
  }
  void play() override { calls.push_back("play"); }
  void stop() override { calls.push_back("stop"); }
  bool hasFile() const override { return open_; }
  std::vector<std::string> calls;

 private:
  bool open_ = false;
};

}  // namespace testing_support
