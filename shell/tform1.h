#pragma once
// The main window: its controls (public, since the small windows work on them directly), the
// feature classes that hold its behaviour, and the one place where the controls' events are wired
// to the features' handlers.
#include <memory>
#include <string>

#include "base/random_source.h"
#include "engine/conversation_state.h"
#include "engine/dialogue_engine.h"
#include "shell/settings.h"
#include "shell/sound_cues.h"
#include "toolkit/application.h"
#include "toolkit/button.h"
#include "toolkit/dialogs.h"
#include "toolkit/edit.h"
#include "toolkit/error_dispatch.h"
#include "toolkit/line_list.h"
#include "toolkit/menu.h"
#include "toolkit/platform.h"
#include "toolkit/rich_view.h"
#include "toolkit/status_bar.h"
#include "toolkit/timer.h"
#include "toolkit/window.h"

namespace shell {

class BaseStatistics;
class CommandState;
class DialogueWindowHost;
class DialogueHeader;
class ExitCommand;
class ExitSequence;
class KnowledgeLoad;
class NewDialogue;
class StartShake;
class StartUp;
class Transcript;
class Undo;

/// What the main window runs on: the clock of its timers, the screen, the two sound players, the
/// random source and the application object.
struct MainWindowServices {
  toolkit::Clock& clock;
  toolkit::Screen& screen;
  toolkit::Player& MP;
  toolkit::Player& MP2;
  base::RandomSource& random;
  toolkit::Application& application;
};

class TForm1 {
 public:
  explicit TForm1(const MainWindowServices& services);
  ~TForm1();
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  /// The creation handler: application title and hints, then the rest of start-up.
  void FormCreate();
  void TalkClick();
  /// The dialogue turn, run by the Say button.
  void SpeakClick();

  toolkit::Window Self;

  // Visible controls, top to bottom.
  toolkit::Panel TabControl1;
  toolkit::RichView RE1;
  toolkit::Panel TabControl2;
  toolkit::Edit Input;
  toolkit::Button Cancel;
  toolkit::Button EnRus;
  toolkit::Button Speak;
  toolkit::StatusBar SB1;
  // The Enter button, the window's default button, placed outside the visible area.
  toolkit::Button Talk;

  // Hidden data holders.
  toolkit::LineList Log;
  toolkit::LineList LBvrf;
  toolkit::LineList ConfigFile;
  toolkit::LineList SpeedWord;
  toolkit::LineList LoadtxtCpuCpu;

  toolkit::ColorDialog ColorDialog1;
  toolkit::ColorDialog ColorDialog2;
  toolkit::ColorDialog ColorDialog3;
  toolkit::FontDialog FontDialog1;
  toolkit::FontDialog FontDialog2;
  toolkit::FontDialog FontDialog3;

  // The menu bar and its items.
  toolkit::MenuBar MainMenu;
  toolkit::MenuItem N1{"N1"}, N2{"N2"}, N23{"N23"}, N17{"N17"}, N18{"N18"}, N19{"N19"}, N20{"N20"},
      N3{"N3"}, N4{"N4"};
  toolkit::MenuItem N5{"N5"}, N6{"N6"}, N21{"N21"}, N16{"N16"}, N9{"N9"}, N7{"N7"}, User1{"User1"},
      Cpu1{"Cpu1"}, Mystring2{"Mystring2"}, N10{"N10"}, User2{"User2"}, Cpu2{"Cpu2"},
      Mystring1{"Mystring1"}, N8{"N8"}, N13{"N13"}, N15{"N15"};
  toolkit::MenuItem N25{"N25"}, N22{"N22"}, N24{"N24"}, N40{"N40"}, N14{"N14"}, N37{"N37"},
      CpuUser1{"CpuUser1"}, Cpu31{"Cpu31"}, N38{"N38"};
  toolkit::MenuItem N11{"N11"}, N12{"N12"};

  // Timers, listed in the order the clock fires them within one tick. The dialogue header comes
  // first: it clears the dialogue view, so it must run before any line (the greeting above all)
  // is shown on the first tick.
  toolkit::Timer T12, T1, T2, T3, T4, T5, T6, T7, T8, T9, T10, T11, T13;

  toolkit::Player& MP;
  toolkit::Player& MP2;

  // The conversation state of the dialogue engine, alive for the whole run.
  engine::ConversationState Conversation;

  // The settings file by row number, over ConfigFile, and the sound-cue rule on MP and MP2.
  Settings Config{ConfigFile};
  SoundCues Cues{Config};

  Transcript& transcript() { return *transcript_; }

 private:
  void layOut();
  void buildMenus();
  void wireEvents();
  void makeLifecycleFeatures();

  MainWindowServices services_;
  std::unique_ptr<Transcript> transcript_;
  std::unique_ptr<CommandState> commandState_;
  std::unique_ptr<DialogueWindowHost> dialogueHost_;
  std::unique_ptr<engine::DialogueEngine> engine_;
  // Start-up and its one-shot jobs, the dialogue log and exit, the new dialogue, undo.
  std::unique_ptr<StartUp> startUp_;
  std::unique_ptr<KnowledgeLoad> knowledgeLoad_;
  std::unique_ptr<StartShake> startShake_;
  std::unique_ptr<DialogueHeader> dialogueHeader_;
  std::unique_ptr<BaseStatistics> baseStatistics_;
  std::unique_ptr<ExitCommand> exitCommand_;
  std::unique_ptr<ExitSequence> exitSequence_;
  std::unique_ptr<NewDialogue> newDialogue_;
  std::unique_ptr<Undo> undo_;
};

}  // namespace shell
