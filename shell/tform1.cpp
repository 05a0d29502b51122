#include "shell/tform1.h"

#include "base/cp1251.h"
#include "shell/base_statistics.h"
#include "shell/command_state.h"
#include "shell/dialogue_header.h"
#include "shell/dialogue_window_host.h"
#include "shell/exit_command.h"
#include "shell/exit_sequence.h"
#include "shell/knowledge_load.h"
#include "shell/new_dialogue.h"
#include "shell/start_shake.h"
#include "shell/start_up.h"
#include "shell/transcript.h"
#include "shell/undo.h"

namespace shell {

using base::ru;
using toolkit::Cursor;

namespace {

constexpr int kClientWidth = 587;
constexpr int kClientHeight = 361;
constexpr std::size_t kInputLimit = 255;

void makeItem(toolkit::MenuItem& item, const std::string& utf8Caption,
              const std::string& shortcut = {}) {
  item.setCaption(ru(utf8Caption));
  item.setShortcut(shortcut);
}

void makeButton(toolkit::Button& button, toolkit::Geometry geometry, const std::string& caption,
                const std::string& utf8Hint) {
  button.setGeometry(geometry);
  button.setCaption(ru(caption));
  button.setFlat(true);
  button.setCursor(Cursor::HandPoint);
  button.setEnabled(false);
  button.setFontColor(toolkit::kBlack);
  button.setHint(ru(utf8Hint));
}

}  // namespace

TForm1::TForm1(const MainWindowServices& services)
    : T12(services.clock, "T12", 1, true),
      T1(services.clock, "T1", 1, true),
      T2(services.clock, "T2", 1000, true),
      T3(services.clock, "T3", 1, true),
      T4(services.clock, "T4", 1, false),
      T5(services.clock, "T5", 1, true),
      T6(services.clock, "T6", 1, false),
      T7(services.clock, "T7", 1, true),
      T8(services.clock, "T8", 1000, true),
      T9(services.clock, "T9", 1000, false),
      T10(services.clock, "T10", 1, true),
      T11(services.clock, "T11", 1, true),
      T13(services.clock, "T13", 1, false),
      MP(services.MP),
      MP2(services.MP2),
      services_(services) {
  layOut();
  buildMenus();
  transcript_ = std::make_unique<Transcript>(
      Transcript::Controls{RE1, Log, ColorDialog2, FontDialog1, ColorDialog3, FontDialog2},
      services.clock);
  commandState_ = std::make_unique<CommandState>(
      CommandState::Controls{Input, Speak, EnRus, Talk, Cancel, N3, RE1, N24, T11, SB1, N23});
  dialogueHost_ = std::make_unique<DialogueWindowHost>(
      DialogueWindowHost::Controls{CpuUser1, Input, LoadtxtCpuCpu, MP, MP2, T4, T9, T10, T13},
      services.screen, Cues, *transcript_);
  engine_ = std::make_unique<engine::DialogueEngine>(Conversation, *dialogueHost_, services.random);
  makeLifecycleFeatures();
  wireEvents();
}

TForm1::~TForm1() = default;

void TForm1::makeLifecycleFeatures() {
  startUp_ = std::make_unique<StartUp>(
      StartUp::Controls{LBvrf, Self, RE1, Input, Speak, Cancel, EnRus, ColorDialog2, ColorDialog3,
                        FontDialog1, FontDialog2, FontDialog3},
      Config);
  knowledgeLoad_ =
      std::make_unique<KnowledgeLoad>(KnowledgeLoad::Controls{SB1, Input, Speak, LBvrf, T3});
  startShake_ = std::make_unique<StartShake>(
      StartShake::Controls{Self, Input, N1, N5, N11, N25, T7, T10, MP},
      StartShake::Services{Config, Cues, services_.screen, services_.random});
  dialogueHeader_ = std::make_unique<DialogueHeader>(DialogueHeader::Controls{RE1, Log, LBvrf, T12},
                                                     services_.clock);
  baseStatistics_ =
      std::make_unique<BaseStatistics>(BaseStatistics::Controls{LBvrf, N18, N19, N20, T8});
  exitCommand_ =
      std::make_unique<ExitCommand>(ExitCommand::Controls{LBvrf, Log, Self}, services_.clock);
  exitSequence_ =
      std::make_unique<ExitSequence>(ExitSequence::Controls{Self, T4, MP}, *exitCommand_, Cues);
  newDialogue_ = std::make_unique<NewDialogue>(NewDialogue::Controls{RE1, Log, Input, T3, T7, T10},
                                               Config, Conversation);
  undo_ = std::make_unique<Undo>(Undo::Controls{RE1, Log, Cancel, T7});
}

void TForm1::layOut() {
  Self.setCaption(ru("-=БОЛТОМИР=-   [v2.56]"));
  Self.setResizable(false);
  Self.setBorderIcons(/*systemMenu=*/true, /*minimise=*/true, /*maximise=*/false);
  Self.setColor(toolkit::kSilver);
  Self.setCursor(Cursor::NoDrop);
  Self.setGeometry({0, 0, kClientWidth, kClientHeight});
  Self.centreOn(services_.screen.desktopWidth(), services_.screen.desktopHeight());

  TabControl1.setGeometry({0, 0, 588, 313});
  RE1.setGeometry({3, 5, 581, 304});
  RE1.setColor(toolkit::kSilver);
  RE1.setCursor(Cursor::NoEntry);
  RE1.setHint(ru("Поле для отображения диалога"));

  TabControl2.setGeometry({0, 312, 585, 30});
  TabControl2.setCursor(Cursor::NoEntry);
  Input.setGeometry({3, 5, 422, 21});
  Input.setMaxLength(kInputLimit);
  Input.setColor(toolkit::kSilver);
  Input.setFont({"MS Sans Serif", 8, toolkit::FontStyle::Regular, toolkit::kBlack});
  Input.setHint(ru("Поле для ввода фразы пользователя"));
  makeButton(Cancel, {426, 5, 27, 22}, "<", "Отмена (Альтернатива клавиша: <Ctrl + Z>)");
  makeButton(EnRus, {453, 5, 43, 22}, "E/R", "Раскладка (Альтернатива клавиша: <Ctrl + S>)");
  makeButton(Speak, {496, 5, 86, 22}, "Сказать",
             "Кнопка отправки текста (Альтернативная клавиша: <ENTER>)");

  SB1.setGeometry({0, kClientHeight - 19, kClientWidth, 19});
  SB1.setCursor(Cursor::Help);
  SB1.setHint(ru("Индикатор"));
  SB1.addPanel(130);
  SB1.addPanel(322);
  SB1.addPanel(50);
  SB1.setPanelText(2, ru("Режим Cpu\\User"));

  Talk.setGeometry({-100, -100, 10, 10});
  Talk.setVisible(false);
  Talk.setEnabled(false);
  Self.setDefaultButton(&Talk);
}

void TForm1::buildMenus() {
  makeItem(N1, "&Система");
  makeItem(N2, "&Новый диалог");
  makeItem(N23, "-", "F5");
  makeItem(N17, "&Подробнее о базе:");
  makeItem(N18, "&Входящие выражения:");
  makeItem(N19, "&Исходящие выражения:");
  makeItem(N20, "&Итого:");
  makeItem(N3, "-", "Ctrl+Z");
  makeItem(N4, "В&ыход");
  for (auto* item : {&N18, &N19, &N20}) N17.add(*item);
  for (auto* item : {&N2, &N23, &N17, &N3, &N4}) N1.add(*item);

  makeItem(N5, "&Настройки");
  makeItem(N6, "&Цвет основного фона ");
  makeItem(N21, "Ц&вет фона поля вывода реплик");
  makeItem(N16, "Цв&ет фона поля ввода реплик");
  makeItem(N9, "Цве&т шрифтов кнопок на панели");
  makeItem(N7, "Цвет &реплик");
  makeItem(User1, "&User");
  makeItem(Cpu1, "&Cpu");
  makeItem(Mystring2, "&My string");
  makeItem(N10, "&Параметры шрифта");
  makeItem(User2, "&User");
  makeItem(Cpu2, "&Cpu");
  makeItem(Mystring1, "&My string");
  makeItem(N8, "-");
  makeItem(N13, "Вернуть первоначальные настройки");
  N13.setChecked(true);
  makeItem(N15, "Имя");
  for (auto* item : {&User1, &Cpu1, &Mystring2}) N7.add(*item);
  for (auto* item : {&User2, &Cpu2, &Mystring1}) N10.add(*item);
  for (auto* item : {&N6, &N21, &N16, &N9, &N7, &N10, &N8, &N13, &N15}) N5.add(*item);

  makeItem(N25, "Сервис");
  makeItem(N22, "&Вызвать виртуальную клавиатуру");
  makeItem(N24, "Speed Word");
  makeItem(N40, "&Full Screen");
  makeItem(N14, "-");
  makeItem(N37, "&Режим");
  makeItem(CpuUser1, "&Cpu\\User");
  CpuUser1.setChecked(true);
  makeItem(Cpu31, "C&pu\\Cpu");
  makeItem(N38, "Ре&дактор");
  for (auto* item : {&CpuUser1, &Cpu31}) N37.add(*item);
  for (auto* item : {&N22, &N24, &N40, &N14, &N37, &N38}) N25.add(*item);

  makeItem(N11, "С&правка");
  makeItem(N12, "&О программе...");
  N11.add(N12);

  for (auto* menu : {&N1, &N5, &N25, &N11}) MainMenu.add(*menu);
}

void TForm1::wireEvents() {
  T1.onTimer = [this] { commandState_->T1Timer(); };
  Talk.onClick = [this] { TalkClick(); };
  Speak.onClick = [this] { SpeakClick(); };
  T2.onTimer = [this] { engine_->T2Timer(); };
  T9.onTimer = [this] { engine_->T9Timer(); };
  T10.onTimer = [this] { engine_->T10Timer(); };
  T13.onTimer = [this] { engine_->T13Timer(); };
  T3.onTimer = [this] { knowledgeLoad_->T3Timer(); };
  T7.onTimer = [this] { startShake_->T7Timer(); };
  T8.onTimer = [this] { baseStatistics_->T8Timer(); };
  T12.onTimer = [this] { dialogueHeader_->T12Timer(); };
  T4.onTimer = [this] { exitSequence_->T4Timer(); };
  N2.onClick = [this] { newDialogue_->N2Click(); };
  N4.onClick = [this] { exitCommand_->N4Click(); };
  N3.onClick = [this] { undo_->N3Click(); };
  Cancel.onClick = [this] { undo_->CancelClick(); };
}

void TForm1::FormCreate() {
  toolkit::Application& application = services_.application;
  application.setTitle(ru("Болтомир"));
  // Hints come at once and stay until the mouse moves on.
  application.setHintPause(1);
  application.setHintHidePause(0);
  application.setHintColor(15780518);
  startUp_->FormCreate();
  // Speed Word's application-wide key hook is installed last, here, once that feature exists; a
  // failure above leaves the run without it.
}

void TForm1::TalkClick() { Speak.click(); }

void TForm1::SpeakClick() { engine_->SpeakClick(); }

}  // namespace shell
