#include "toolkit/edit.h"

#include <algorithm>

namespace toolkit {

void Edit::setText(const std::string& text) {
  if (!assign(text_, text)) return;
  caret_ = std::min(caret_, text_.size());
  if (onChange) onChange();
}

bool Edit::typeText(const std::string& newText) {
  if (readOnly_ || !enabled()) return false;
  if (maxLength_ != 0 && newText.size() > maxLength_ && newText.size() > text_.size()) return false;
  setText(newText);
  return true;
}

void Edit::setCaret(std::size_t position) { assign(caret_, std::min(position, text_.size())); }

}  // namespace toolkit
