#pragma once
// The real ports of the control model: the clock on a 16 ms QTimer, the error box on QMessageBox,
// the screen on the primary QScreen, the players on QSoundEffect.
#include <QElapsedTimer>
#include <QObject>
#include <QSoundEffect>
#include <QTimer>
#include <functional>
#include <string>

#include "toolkit/error_dispatch.h"
#include "toolkit/platform.h"
#include "toolkit/timer.h"

namespace desktop {

/// Ticks the model's timers from a QTimer at the 16 ms system tick. A tick that comes late counts
/// the time that really passed, as a coalesced system timer message does.
class QtClock final : public QObject, public toolkit::Clock {
  Q_OBJECT
 public:
  static constexpr int kTickMs = 16;
  explicit QtClock(toolkit::ErrorDispatch& errors);
  std::time_t now() const override;
  void start();
  /// Runs after every tick, to bring the views up to date.
  std::function<void()> afterTick;

 private:
  void onTick();
  QTimer timer_;
  QElapsedTimer elapsed_;
};

class QtErrorBox final : public toolkit::ErrorBox {
 public:
  void showError(const std::string& title, const std::string& message) override;
};

class QtScreen final : public toolkit::Screen {
 public:
  int desktopWidth() const override;
  int desktopHeight() const override;
  void setCursor(toolkit::Cursor cursor) override;

 private:
  bool overridden_ = false;
};

/// A player on QSoundEffect. Without an audio device, or with a file it cannot play, the effect
/// simply stays silent: nothing is reported.
class QtPlayer final : public toolkit::Player {
 public:
  void open(const std::string& programPath) override;
  void play() override;
  void stop() override;
  bool hasFile() const override { return open_; }

 private:
  QSoundEffect effect_;
  bool open_ = false;
};

}  // namespace desktop
