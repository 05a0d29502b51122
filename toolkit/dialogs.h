#pragma once
// The colour and font dialogs keep their last choice: the choice is the model, and the windows
// read it as the current setting. Showing them is the front end's.
#include "toolkit/control.h"
#include "toolkit/font.h"

namespace toolkit {

class ColorDialog : public Control {
 public:
  Color color() const { return color_; }
  void setColor(Color color) { assign(color_, color); }

 private:
  Color color_ = kBlack;
};

class FontDialog : public Control {
 public:
  const Font& font() const { return font_; }
  void setFont(const Font& font) { assign(font_, font); }

 private:
  Font font_;
};

}  // namespace toolkit
