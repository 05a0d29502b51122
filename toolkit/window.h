#pragma once
// A top-level window: caption, place on the screen (left and top of its frame), client size,
// background colour, state, and the enabled and visible flags. The default button takes the
// Enter key pressed anywhere in the window while it is enabled.
#include <functional>
#include <string>

#include "toolkit/button.h"
#include "toolkit/control.h"

namespace toolkit {

enum class WindowState { Normal, Maximised, Minimised };

class Window : public Control {
 public:
  Window() { setVisible(false); }

  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& caption) { assign(caption_, caption); }
  Color color() const { return color_; }
  void setColor(Color color) { assign(color_, color); }
  WindowState state() const { return state_; }
  void setState(WindowState state) { assign(state_, state); }
  bool resizable() const { return resizable_; }
  void setResizable(bool resizable) { assign(resizable_, resizable); }
  bool hasMinimiseBox() const { return minimiseBox_; }
  bool hasMaximiseBox() const { return maximiseBox_; }
  bool hasSystemMenu() const { return systemMenu_; }
  void setBorderIcons(bool systemMenu, bool minimise, bool maximise) {
    assign(systemMenu_, systemMenu);
    assign(minimiseBox_, minimise);
    assign(maximiseBox_, maximise);
  }

  int left() const { return geometry().left; }
  int top() const { return geometry().top; }
  int clientWidth() const { return geometry().width; }
  int clientHeight() const { return geometry().height; }
  // Each change of place or size is applied at once: the front end moves the real window before
  // the job goes on, so a run of jumps within one job is seen as a shake.
  void setLeft(int left) { place({left, top(), clientWidth(), clientHeight()}); }
  void setTop(int top) { place({left(), top, clientWidth(), clientHeight()}); }
  void setClientWidth(int width) { place({left(), top(), width, clientHeight()}); }
  void setClientHeight(int height) { place({left(), top(), clientWidth(), height}); }
  /// Places the window in the middle of a desktop of the given size.
  void centreOn(int desktopWidth, int desktopHeight) {
    place({(desktopWidth - clientWidth()) / 2, (desktopHeight - clientHeight()) / 2, clientWidth(),
           clientHeight()});
  }
  /// Set by the front end: applies the window's place and size to the screen now.
  std::function<void()> onPlaced;

  void setDefaultButton(Button* button) { defaultButton_ = button; }
  /// The Enter key: clicks the default button while it is enabled; returns whether it did.
  bool pressEnter() {
    if (defaultButton_ == nullptr || !defaultButton_->enabled()) return false;
    defaultButton_->click();
    return true;
  }

  void show() { setVisible(true); }
  void hide() { setVisible(false); }
  /// Closes the window; closing the main window ends the program.
  void close() {
    setVisible(false);
    assign(closed_, true);
  }
  bool closed() const { return closed_; }

 private:
  std::string caption_;
  Color color_ = kSilver;
  WindowState state_ = WindowState::Normal;
  bool resizable_ = true;
  bool systemMenu_ = true;
  bool minimiseBox_ = true;
  bool maximiseBox_ = true;
  void place(const Geometry& geometry) {
    setGeometry(geometry);
    if (onPlaced) onPlaced();
  }

  bool closed_ = false;
  Button* defaultButton_ = nullptr;
};

}  // namespace toolkit
