#pragma once
// A button. click() performed by code runs the command whatever enabled state the button shows;
// a user's click reaches the command only while the button is enabled.
#include <functional>
#include <string>

#include "toolkit/control.h"

namespace toolkit {

class Button : public Control {
 public:
  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& caption) { assign(caption_, caption); }
  Color fontColor() const { return fontColor_; }
  void setFontColor(Color color) { assign(fontColor_, color); }
  bool flat() const { return flat_; }
  void setFlat(bool flat) { assign(flat_, flat); }

  /// Runs the command, whatever the enabled state.
  void click() {
    if (onClick) onClick();
  }
  /// The user's click: runs the command only while the button is enabled.
  void userClick() {
    if (enabled()) click();
  }

  std::function<void()> onClick;

 private:
  std::string caption_;
  Color fontColor_ = kBlack;
  bool flat_ = false;
};

}  // namespace toolkit
