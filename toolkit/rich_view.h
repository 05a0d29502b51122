#pragma once
// A read-only rich-text view of lines, each written in the style set at the insertion point when
// it was appended. The view tracks appends separately from other changes, so that a Qt view can
// add new lines without redrawing the old ones.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/control.h"
#include "toolkit/font.h"

namespace toolkit {

class RichView : public Control {
 public:
  struct Line {
    std::string text;
    TextStyle style;
  };

  const TextStyle& insertionStyle() const { return insertionStyle_; }
  /// Sets the colour, font name, size and style that the next appended line is written in.
  void setInsertionStyle(const TextStyle& style) { insertionStyle_ = style; }

  void appendLine(const std::string& text);
  /// Removes the last line; does nothing when the view is empty.
  void removeLastLine();
  void clear();
  std::size_t lineCount() const { return lines_.size(); }
  const std::vector<Line>& lines() const { return lines_; }

  Color color() const { return color_; }
  void setColor(Color color) { assign(color_, color); }

  /// Bumped by every change other than an append (clear, removal, restyling), so a view knows
  /// when to draw everything again.
  std::uint64_t layoutEpoch() const { return layoutEpoch_; }

 private:
  void relayout() {
    ++layoutEpoch_;
    touch();
  }

  std::vector<Line> lines_;
  TextStyle insertionStyle_;
  Color color_ = kSilver;
  std::uint64_t layoutEpoch_ = 0;
};

}  // namespace toolkit
