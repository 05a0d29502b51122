#pragma once
// The Qt view of the main window: builds the widgets from the model, keeps them in step with it,
// and passes clicks, typing, keys and focus back. It decides nothing.
#include <QMainWindow>
#include <memory>
#include <vector>

#include "desktop/view_sync.h"
#include "desktop/widget_sync.h"
#include "shell/tform1.h"
#include "toolkit/application.h"

namespace desktop {

class MainWindowView final : public QMainWindow {
 public:
  MainWindowView(shell::TForm1& form, toolkit::Application& application, ViewSync& views);
  ~MainWindowView() override;

  void sync();
  QTextEdit* dialogueView() const { return re1_->widget(); }
  QLineEdit* inputField() const { return input_->widget(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  /// Enter, and the application-wide message hook; true when the key was taken.
  bool handleKey(QKeyEvent& key);
  /// The menu items' shortcuts as actions of the window.
  void addShortcuts(const std::vector<toolkit::MenuItem*>& items);
  void syncWindow();
  /// Moves and sizes the window as the model holds it, and waits until the window system has.
  void placeNow();

  shell::TForm1& form_;
  toolkit::Application& application_;
  ViewSync& views_;
  QWidget* upperPanel_;
  QWidget* lowerPanel_;
  std::unique_ptr<RichViewWidget> re1_;
  std::unique_ptr<EditWidget> input_;
  std::unique_ptr<ButtonWidget> cancel_, enRus_, speak_;
  std::unique_ptr<MenuBarWidget> menus_;
  std::unique_ptr<StatusBarWidget> status_;
  std::uint64_t windowSeen_ = ~0ull;
  bool syncing_ = false;
};

/// The name of a key as the model's shortcuts and message hook spell it ("F5", "Ctrl+Z", "Up").
std::string keyName(const QKeyEvent& key);

}  // namespace desktop
