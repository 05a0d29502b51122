#pragma once
// Copying the common control state into a widget, and the small views of single controls that
// every window uses: a rich view, an edit field, a button, a menu, a status bar.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolButton>
#include <cstdint>
#include <vector>

#include "desktop/view_sync.h"
#include "toolkit/button.h"
#include "toolkit/edit.h"
#include "toolkit/menu.h"
#include "toolkit/rich_view.h"
#include "toolkit/status_bar.h"

namespace desktop {

/// Place, size, visible and enabled flags, hint and cursor of a control.
void syncControl(QWidget& widget, const toolkit::Control& control, int hintDurationMs);

class RichViewWidget {
 public:
  RichViewWidget(QWidget* parent, toolkit::RichView& model);
  void sync(int hintDurationMs);
  QTextEdit* widget() const { return edit_; }

 private:
  void appendFrom(std::size_t first);
  toolkit::RichView& model_;
  QTextEdit* edit_;
  std::uint64_t seen_ = ~0ull;
  std::uint64_t epoch_ = ~0ull;
  std::size_t shown_ = 0;
};

class EditWidget {
 public:
  EditWidget(QWidget* parent, toolkit::Edit& model, ViewSync& views);
  void sync(int hintDurationMs);
  QLineEdit* widget() const { return edit_; }

 private:
  toolkit::Edit& model_;
  QLineEdit* edit_;
  std::uint64_t seen_ = ~0ull;
  std::uint64_t focusRequests_ = 0;
};

class ButtonWidget {
 public:
  ButtonWidget(QWidget* parent, toolkit::Button& model, ViewSync& views);
  void sync(int hintDurationMs);
  QToolButton* widget() const { return button_; }

 private:
  toolkit::Button& model_;
  QToolButton* button_;
  std::uint64_t seen_ = ~0ull;
};

/// The menu bar: a QMenu per item with sub-items, a QAction per other item, a separator line for
/// an item captioned "-" (its shortcut is handled by the window's key filter, not by Qt).
class MenuBarWidget {
 public:
  MenuBarWidget(QMenuBar* bar, toolkit::MenuBar& model, ViewSync& views);
  void sync();

 private:
  struct Entry {
    toolkit::MenuItem* item;
    QAction* action;
    std::uint64_t seen;
  };
  void build(QMenu* menu, toolkit::MenuItem& item, ViewSync& views);
  std::vector<Entry> entries_;
};

class StatusBarWidget {
 public:
  StatusBarWidget(QStatusBar* bar, toolkit::StatusBar& model);
  void sync(int hintDurationMs);

 private:
  toolkit::StatusBar& model_;
  QStatusBar* bar_;
  std::vector<QLabel*> panels_;
  std::uint64_t seen_ = ~0ull;
};

}  // namespace desktop
