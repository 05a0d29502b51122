#pragma once
// Where failures end: an exception out of any handler ends that handler (and whatever called it)
// and is shown in the error box, titled with the application title, with an error icon and OK.
// A full stop is appended when the last character's code is above that of ".". A timer job that
// fails again with the same message, with no success between, is not shown again, so a job that
// stays armed does not raise a box at every tick.
#include <functional>
#include <map>
#include <string>

namespace toolkit {

/// The standard error box; the Qt front end shows a QMessageBox, tests record.
class ErrorBox {
 public:
  virtual ~ErrorBox() = default;
  virtual void showError(const std::string& title, const std::string& message) = 0;
};

class ErrorDispatch {
 public:
  ErrorDispatch(ErrorBox& box, std::string title) : box_(box), title_(std::move(title)) {}

  /// Runs an event handler; a failure is shown every time.
  void runEvent(const std::function<void()>& handler);
  /// Runs the job of a timer (any stable key); a failure is shown unless it repeats the job's
  /// previous failure with no success between.
  void runTimerJob(const void* job, const std::function<void()>& handler);

  /// Forgets a job's last failure: a timer armed anew reports its first failure again.
  void forgetTimerJob(const void* job) { lastTimerFailure_.erase(job); }

  /// The message as the box shows it.
  static std::string boxText(std::string message);

 private:
  bool runCatching(const std::function<void()>& handler, std::string& message);

  ErrorBox& box_;
  std::string title_;
  std::map<const void*, std::string> lastTimerFailure_;
};

}  // namespace toolkit
