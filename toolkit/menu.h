#pragma once
// Menu items and the menu bar. An item has a caption ("&" marks its accelerator), a check mark,
// an enabled state and an optional shortcut ("F5", "Ctrl+Z"). An item whose caption is "-" is
// drawn as a separator line, but still reacts to its shortcut while it is enabled.
#include <functional>
#include <string>
#include <vector>

#include "toolkit/control.h"

namespace toolkit {

class MenuItem : public Control {
 public:
  explicit MenuItem(std::string name = {}) : name_(std::move(name)) {}

  /// The item's name in the window ("N23"), for the views and the tests.
  const std::string& name() const { return name_; }
  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& caption) { assign(caption_, caption); }
  bool checked() const { return checked_; }
  void setChecked(bool checked) { assign(checked_, checked); }
  const std::string& shortcut() const { return shortcut_; }
  void setShortcut(const std::string& shortcut) { assign(shortcut_, shortcut); }
  bool isSeparator() const { return caption_ == "-"; }

  MenuItem* parent() const { return parent_; }
  const std::vector<MenuItem*>& items() const { return items_; }
  /// Adds a sub-item; the item is owned by the window that holds it.
  void add(MenuItem& item);

  /// True when this item and every menu above it are enabled.
  bool reachable() const;
  /// Runs the command, whatever the enabled state.
  void click() {
    if (onClick) onClick();
  }
  /// The user's choice of the item: runs the command only while it is reachable.
  void userClick() {
    if (reachable()) click();
  }

  std::function<void()> onClick;

 private:
  std::string name_;
  std::string caption_;
  bool checked_ = false;
  std::string shortcut_;
  MenuItem* parent_ = nullptr;
  std::vector<MenuItem*> items_;
};

class MenuBar {
 public:
  void add(MenuItem& menu) { menus_.push_back(&menu); }
  const std::vector<MenuItem*>& menus() const { return menus_; }
  /// Runs the first reachable item that carries the shortcut; returns whether one did.
  bool pressShortcut(const std::string& shortcut);

 private:
  std::vector<MenuItem*> menus_;
};

}  // namespace toolkit
