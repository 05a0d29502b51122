#pragma once
// A single-line edit field. Assigning the text it already holds raises no change; any other
// assignment raises exactly one. The typing limit applies to what the user types, not to text
// assigned by code; a read-only field takes no typing.
#include <cstddef>
#include <functional>
#include <string>

#include "toolkit/control.h"
#include "toolkit/font.h"

namespace toolkit {

class Edit : public Control {
 public:
  const std::string& text() const { return text_; }
  /// Replaces the text; raises onChange when it differs from the current text.
  void setText(const std::string& text);
  /// The user's edit that would leave the field holding newText. Ignored while read-only or
  /// disabled; refused when it would make the text longer than the typing limit.
  /// Returns whether the edit was taken.
  bool typeText(const std::string& newText);

  std::size_t maxLength() const { return maxLength_; }
  /// 0 means no limit.
  void setMaxLength(std::size_t length) { assign(maxLength_, length); }
  bool readOnly() const { return readOnly_; }
  void setReadOnly(bool readOnly) { assign(readOnly_, readOnly); }
  Color color() const { return color_; }
  void setColor(Color color) { assign(color_, color); }
  const Font& font() const { return font_; }
  void setFont(const Font& font) { assign(font_, font); }

  /// The caret position in characters from the start (0 = before the first character).
  std::size_t caret() const { return caret_; }
  void setCaret(std::size_t position);

  /// Asks for the keyboard focus; the view gives it at its next update. The command state asks
  /// at every tick, so a request is counted apart from the field's other state.
  void setFocus() { ++focusRequests_; }
  std::uint64_t focusRequests() const { return focusRequests_; }

  std::function<void()> onChange;

 private:
  std::string text_;
  std::size_t maxLength_ = 0;
  bool readOnly_ = false;
  Color color_ = kSilver;
  Font font_;
  std::size_t caret_ = 0;
  std::uint64_t focusRequests_ = 0;
};

}  // namespace toolkit
