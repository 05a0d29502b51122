#include "desktop/main_window_view.h"

#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMoveEvent>

#include "desktop/qt_text.h"

namespace desktop {
namespace {

constexpr int kStatusBarHeight = 19;

int hintDuration(const toolkit::Application& application) {
  // A hint that is never hidden by time stays for a day.
  return application.hintHidePause() == 0 ? 24 * 3600 * 1000 : application.hintHidePause();
}

QWidget* makePanel(QWidget* parent, const toolkit::Panel& model) {
  auto* panel = new QWidget(parent);
  const toolkit::Geometry& g = model.geometry();
  panel->setGeometry(g.left, g.top, g.width, g.height);
  panel->setCursor(QCursor(toQtCursor(model.cursor())));
  return panel;
}

}  // namespace

std::string keyName(const QKeyEvent& key) {
  QString name = QKeySequence(key.key()).toString(QKeySequence::PortableText);
  if (key.modifiers() & Qt::ControlModifier) name = "Ctrl+" + name;
  return name.toStdString();
}

MainWindowView::MainWindowView(shell::TForm1& form, toolkit::Application& application,
                               ViewSync& views)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint),
      form_(form),
      application_(application),
      views_(views) {
  auto* central = new QWidget(this);
  setCentralWidget(central);
  upperPanel_ = makePanel(central, form.TabControl1);
  lowerPanel_ = makePanel(central, form.TabControl2);
  re1_ = std::make_unique<RichViewWidget>(upperPanel_, form.RE1);
  input_ = std::make_unique<EditWidget>(lowerPanel_, form.Input, views);
  cancel_ = std::make_unique<ButtonWidget>(lowerPanel_, form.Cancel, views);
  enRus_ = std::make_unique<ButtonWidget>(lowerPanel_, form.EnRus, views);
  speak_ = std::make_unique<ButtonWidget>(lowerPanel_, form.Speak, views);
  menus_ = std::make_unique<MenuBarWidget>(menuBar(), form.MainMenu, views);
  status_ = std::make_unique<StatusBarWidget>(statusBar(), form.SB1);
  statusBar()->setFixedHeight(kStatusBarHeight);
  addShortcuts(form.MainMenu.menus());
  qApp->installEventFilter(this);
  form.Self.onPlaced = [this] { placeNow(); };
  sync();
}

MainWindowView::~MainWindowView() {
  form_.Self.onPlaced = nullptr;
  qApp->removeEventFilter(this);
}

void MainWindowView::placeNow() {
  const toolkit::Window& self = form_.Self;
  // The exit sequence can take the size below what a window can be; it stays at one pixel.
  const int width = std::max(1, self.clientWidth());
  const int height = std::max(1, self.clientHeight());
  const QSize size(width, height + menuBar()->sizeHint().height());
  const QPoint place(self.left(), self.top());
  if (this->size() == size && pos() == place) return;
  if (this->size() != size) setFixedSize(size);
  if (pos() != place) move(place);
  // On X the change is sent and answered before the job goes on, as one jump of a shake.
  auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  if (xcb_connection_t* connection = x11 ? x11->connection() : nullptr) {
    xcb_flush(connection);
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
  }
}

void MainWindowView::syncWindow() {
  const toolkit::Window& self = form_.Self;
  if (windowSeen_ == self.revision()) return;
  windowSeen_ = self.revision();
  setWindowTitle(toQt(self.caption()));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, toQColor(self.color()));
  setPalette(palette);
  setAutoFillBackground(true);
  centralWidget()->setCursor(QCursor(toQtCursor(self.cursor())));
  setEnabled(self.enabled());
  placeNow();
  if (self.visible() && !isVisible()) show();
  if (!self.visible() && isVisible()) hide();
  if (self.closed()) QApplication::quit();
}

void MainWindowView::sync() {
  if (syncing_) return;
  syncing_ = true;
  const int hints = hintDuration(application_);
  syncWindow();
  re1_->sync(hints);
  input_->sync(hints);
  cancel_->sync(hints);
  enRus_->sync(hints);
  speak_->sync(hints);
  menus_->sync();
  status_->sync(hints);
  syncing_ = false;
}

bool MainWindowView::handleKey(QKeyEvent& key) {
  if (application_.hookMessage({keyName(key), true})) return true;
  if (!form_.Self.enabled()) return false;
  if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
    views_.userAction([this] { form_.Self.pressEnter(); });
    return true;
  }
  return false;
}

void MainWindowView::addShortcuts(const std::vector<toolkit::MenuItem*>& items) {
  for (toolkit::MenuItem* item : items) {
    addShortcuts(item->items());
    if (item->shortcut().empty()) continue;
    // A window action rather than the menu's: the item may be drawn as a separator line, which
    // Qt gives no shortcut. Qt's shortcut map also finds Ctrl+Z when a Russian layout makes the
    // key type "я".
    auto* action = new QAction(this);
    action->setShortcut(QKeySequence(QString::fromStdString(item->shortcut())));
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    const std::string shortcut = item->shortcut();
    connect(action, &QAction::triggered, this, [this, shortcut] {
      views_.userAction([this, shortcut] { form_.MainMenu.pressShortcut(shortcut); });
    });
  }
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
  const bool ours = watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == this;
  // The input field would claim Ctrl+Z as its own undo; the window's commands come first.
  if (ours && event->type() == QEvent::ShortcutOverride) return true;
  if (ours && event->type() == QEvent::KeyPress && handleKey(*static_cast<QKeyEvent*>(event)))
    return true;
  return QMainWindow::eventFilter(watched, event);
}

void MainWindowView::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  // The user may drag the window; the model learns where it is, quietly.
  if (!syncing_ && isVisible()) {
    toolkit::Window& self = form_.Self;
    self.setGeometry({x(), y(), self.clientWidth(), self.clientHeight()});
    windowSeen_ = self.revision();
  }
}

void MainWindowView::closeEvent(QCloseEvent* event) {
  // The title bar's close box ends the program without writing anything.
  event->accept();
  QApplication::quit();
}

}  // namespace desktop
