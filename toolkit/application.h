#pragma once
// The application: its title (the caption of every error box), the hint settings, and the
// application-wide message hook that sees every key message before it is dispatched.
#include <functional>
#include <string>

#include "toolkit/control.h"

namespace toolkit {

/// A key message as the hook sees it: the key's name ("Up", "Down", "F5", "A", ...) and whether it
/// is a key press.
struct KeyMessage {
  std::string key;
  bool keyDown = true;
};

class Application : public Control {
 public:
  const std::string& title() const { return title_; }
  void setTitle(const std::string& title) { assign(title_, title); }

  /// Delay in ms before a hint appears once the mouse rests on a control.
  int hintPause() const { return hintPause_; }
  void setHintPause(int ms) { assign(hintPause_, ms); }
  /// Time in ms a hint stays; 0 means it is never hidden by time.
  int hintHidePause() const { return hintHidePause_; }
  void setHintHidePause(int ms) { assign(hintHidePause_, ms); }
  Color hintColor() const { return hintColor_; }
  void setHintColor(Color color) { assign(hintColor_, color); }

  /// Returns true when the message was handled and must not be dispatched.
  using MessageHook = std::function<bool(const KeyMessage&)>;
  void setMessageHook(MessageHook hook) { messageHook_ = std::move(hook); }
  bool hasMessageHook() const { return static_cast<bool>(messageHook_); }
  bool hookMessage(const KeyMessage& message) {
    return messageHook_ ? messageHook_(message) : false;
  }

 private:
  std::string title_;
  int hintPause_ = 500;
  int hintHidePause_ = 2500;
  Color hintColor_ = 0xE1FFFF;
  MessageHook messageHook_;
};

}  // namespace toolkit
