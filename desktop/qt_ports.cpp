#include "desktop/qt_ports.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>
#include <ctime>

#include "base/paths.h"
#include "desktop/qt_text.h"

namespace desktop {

QtClock::QtClock(toolkit::ErrorDispatch& errors) : toolkit::Clock(errors) {
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(kTickMs);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] { onTick(); });
}

std::time_t QtClock::now() const { return std::time(nullptr); }

void QtClock::start() {
  elapsed_.start();
  timer_.start();
}

void QtClock::onTick() {
  const int elapsedMs = static_cast<int>(elapsed_.restart());
  tick(elapsedMs > 0 ? elapsedMs : 1);
  if (afterTick) afterTick();
}

void QtErrorBox::showError(const std::string& title, const std::string& message) {
  QMessageBox box(QMessageBox::Critical, toQt(title), toQt(message), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

int QtScreen::desktopWidth() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().width() : 1024;
}

int QtScreen::desktopHeight() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().height() : 768;
}

void QtScreen::setCursor(toolkit::Cursor cursor) {
  if (overridden_) QGuiApplication::restoreOverrideCursor();
  overridden_ = cursor != toolkit::Cursor::Default;
  if (overridden_) QGuiApplication::setOverrideCursor(QCursor(toQtCursor(cursor)));
}

void QtPlayer::open(const std::string& programPath) {
  effect_.stop();
  const QString path = QString::fromStdString(base::resolvePath(programPath).string());
  effect_.setSource(QUrl::fromLocalFile(path));
  open_ = true;
}

void QtPlayer::play() {
  if (!open_) return;
  effect_.stop();
  effect_.play();
}

void QtPlayer::stop() {
  if (open_) effect_.stop();
}

}  // namespace desktop
