#pragma once
// A status bar of panels, each with a width in pixels and a text.
#include <cstddef>
#include <string>
#include <vector>

#include "toolkit/control.h"

namespace toolkit {

class StatusBar : public Control {
 public:
  struct Panel {
    int width = 0;
    std::string text;
  };

  void addPanel(int width) {
    panels_.push_back({width, {}});
    touch();
  }
  std::size_t panelCount() const { return panels_.size(); }
  int panelWidth(std::size_t index) const { return panels_.at(index).width; }
  const std::string& panelText(std::size_t index) const { return panels_.at(index).text; }
  void setPanelText(std::size_t index, const std::string& text) {
    assign(panels_.at(index).text, text);
  }

 private:
  std::vector<Panel> panels_;
};

}  // namespace toolkit
