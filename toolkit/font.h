#pragma once
// Fonts and text styles as the windows hold them.
#include <string>

#include "toolkit/control.h"

namespace toolkit {

enum class FontStyle { Regular, Italic, Bold, BoldItalic };

struct Font {
  std::string name = "MS Sans Serif";
  int size = 8;  // points
  FontStyle style = FontStyle::Regular;
  Color color = kBlack;
  bool operator==(const Font&) const = default;
};

/// The look of one line of the dialogue view: the colour, and the font's name, size and style.
struct TextStyle {
  Color color = kBlack;
  std::string fontName = "MS Sans Serif";
  int fontSize = 8;
  FontStyle fontStyle = FontStyle::Regular;
  bool operator==(const TextStyle&) const = default;
};

}  // namespace toolkit
