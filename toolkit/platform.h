#pragma once
// The services that need a real screen or speaker: each is a port that the Qt front end
// implements and the tests fake.
#include <string>

#include "toolkit/control.h"

namespace toolkit {

/// The desktop: its size, and the mouse cursor of the whole screen.
class Screen {
 public:
  virtual ~Screen() = default;
  virtual int desktopWidth() const = 0;
  virtual int desktopHeight() const = 0;
  /// Default or Hourglass, for the whole application.
  virtual void setCursor(Cursor cursor) = 0;
};

/// A media player for WAV files. Opening a file closes the one open before, which cuts off its
/// sound. A file that cannot be played is skipped without a message.
class Player {
 public:
  virtual ~Player() = default;
  /// Opens the file (a program path); closes the file open before.
  virtual void open(const std::string& programPath) = 0;
  /// Plays the open file from its start, returning at once.
  virtual void play() = 0;
  /// Stops the sound and waits until it has stopped.
  virtual void stop() = 0;
  virtual bool hasFile() const = 0;
};

}  // namespace toolkit
