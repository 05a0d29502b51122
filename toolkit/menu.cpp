#include "toolkit/menu.h"

namespace toolkit {
namespace {

MenuItem* findShortcut(const std::vector<MenuItem*>& items, const std::string& shortcut) {
  for (MenuItem* item : items) {
    if (item->shortcut() == shortcut && item->reachable()) return item;
    if (MenuItem* found = findShortcut(item->items(), shortcut)) return found;
  }
  return nullptr;
}

}  // namespace

void MenuItem::add(MenuItem& item) {
  item.parent_ = this;
  items_.push_back(&item);
  touch();
}

bool MenuItem::reachable() const {
  for (const MenuItem* item = this; item != nullptr; item = item->parent_) {
    if (!item->enabled()) return false;
  }
  return true;
}

bool MenuBar::pressShortcut(const std::string& shortcut) {
  if (shortcut.empty()) return false;
  MenuItem* item = findShortcut(menus_, shortcut);
  if (item == nullptr) return false;
  item->click();
  return true;
}

}  // namespace toolkit
