#include "toolkit/rich_view.h"

namespace toolkit {

void RichView::appendLine(const std::string& text) {
  lines_.push_back({text, insertionStyle_});
  touch();
}

void RichView::removeLastLine() {
  if (lines_.empty()) return;
  lines_.pop_back();
  relayout();
}

void RichView::clear() {
  lines_.clear();
  relayout();
}

}  // namespace toolkit
