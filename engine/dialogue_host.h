#pragma once
// What the dialogue engine needs of the main window, and nothing more. The main window implements
// it; tests implement it with a recording fake. Texts are cp1251.
#include <string>

namespace engine {

/// The two sound players: MP for the user's submission and most remarks, MP2 for replies and the
/// idle remark.
enum class CuePlayer { MP, MP2 };

/// The window timers the engine arms and disarms.
enum class EngineTimer {
  ExitSequence,   // T4
  DelayedRemark,  // T9
  Greeting,       // T10
  FollowUp,       // T13
};

class DialogueHost {
 public:
  virtual ~DialogueHost() = default;

  /// True in the Cpu\User mode (CpuUser1 checked), false in the Cpu\Cpu mode (Cpu31 checked).
  virtual bool userMode() const = 0;
  /// The text of the input field.
  virtual std::string inputText() const = 0;
  /// The first line of the exchange file as last read, or empty when it has none.
  virtual std::string exchangePhrase() const = 0;
  /// Replaces the exchange file by the single line reply (Cpu\Cpu mode only).
  virtual void writeExchangeReply(const std::string& reply) = 0;
  /// Empties the input field.
  virtual void clearInput() = 0;

  /// Shows the hourglass (true) or the normal (false) mouse cursor.
  virtual void setBusyCursor(bool busy) = 0;
  /// Plays a cue file ("Data base\Sound\...") on a player by the sound-cue rule.
  virtual void playCue(CuePlayer player, const std::string& file) = 0;
  /// Appends a line to the dialogue view and the dialogue log in the user's style and format.
  virtual void showUserLine(const std::string& text) = 0;
  /// The same for a bot line.
  virtual void showCpuLine(const std::string& text) = 0;

  virtual void setTimerEnabled(EngineTimer timer, bool enabled) = 0;
  virtual bool timerEnabled(EngineTimer timer) const = 0;
  /// Changes a timer's interval in ms; a change restarts its count, the same value changes nothing.
  virtual void setTimerInterval(EngineTimer timer, int milliseconds) = 0;
  virtual int timerInterval(EngineTimer timer) const = 0;
};

}  // namespace engine
