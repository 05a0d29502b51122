// The main window's creation: the knowledge-base probe, the settings, the appearance rows in
// their order, and what a failure leaves (one box, the designed look for every row not applied).
#include "shell/start_up.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/shell/shell_fixture.h"

namespace shell_testing {
namespace {

using toolkit::Font;
using toolkit::FontStyle;
using toolkit::kBlack;
using toolkit::kSilver;

const Font kDesignedFont{"MS Sans Serif", 8, FontStyle::Regular, kBlack};

void writeSettingsTo(const testing_support::WorkingFolder& f,
                     const std::vector<std::string>& rows) {
  f.writeLines("Data base/ini/Config.ini", rows);
}

class StartUpTest : public MainWindowTest {
 protected:
  StartUpTest() { writeAi("Words.dat", {"ПРИВЕТ^Привет!;"}); }

  void create() {
    errors.runEvent([this] { form.FormCreate(); });
  }

  /// Every appearance row from `fromRow` on still shows the window's designed look.
  void expectDesignedLook(int fromRow) const {
    const auto& user = form.FontDialog1.font();
    const auto& cpu = form.FontDialog2.font();
    const auto& input = form.FontDialog3.font();
    const struct {
      int row;
      bool designed;
    } looks[] = {
        {7, form.Self.color() == kSilver},
        {8, form.RE1.color() == kSilver},
        {9, form.Input.color() == kSilver},
        {12, form.Speak.fontColor() == kBlack},
        {13, form.Cancel.fontColor() == kBlack},
        {14, form.EnRus.fontColor() == kBlack},
        {15, form.ColorDialog2.color() == kBlack},
        {16, form.ColorDialog3.color() == kBlack},
        {17, form.Input.font() == kDesignedFont},
        {19, user.name == kDesignedFont.name},
        {20, user.style == FontStyle::Regular},
        {21, user.size == 8},
        {23, cpu.name == kDesignedFont.name},
        {24, cpu.style == FontStyle::Regular},
        {25, cpu.size == 8},
        {27, input.name == kDesignedFont.name},
        {28, input.style == FontStyle::Regular},
    };
    for (const auto& look : looks) {
      if (look.row >= fromRow) {
        EXPECT_TRUE(look.designed) << "row " << look.row;
      }
    }
  }
};

TEST_F(StartUpTest, EveryAppearanceRowReachesItsControl) {
  writeSettings(settingsRows({{7, "WindowColor=$FF"},
                              {8, "DialogueColor=8"},
                              {9, "InputColor=9"},
                              {12, "SpeakCaptionColor=12"},
                              {13, "CancelCaptionColor=13"},
                              {14, "EnRusCaptionColor=14"},
                              {15, "UserLineColor=15"},
                              {16, "CpuLineColor=16"},
                              {17, "InputTextColor=17"},
                              {19, "UserFontName=Arial"},
                              {20, "UserFontStyle=[fsItalic]"},
                              {21, "UserFontSize=10"},
                              {23, "CpuFontName=Courier New"},
                              {24, "CpuFontStyle=[FSBOLD]"},
                              {25, "CpuFontSize=12"},
                              {27, "InputFontName=Times New Roman"},
                              {28, "InputFontStyle=[fsBold,fsItalic]"}}));
  create();
  EXPECT_TRUE(box.shown.empty());
  EXPECT_EQ(form.Self.color(), 255) << "$FF is pure red";
  EXPECT_EQ(form.RE1.color(), 8);
  EXPECT_EQ(form.Input.color(), 9);
  EXPECT_EQ(form.Speak.fontColor(), 12);
  EXPECT_EQ(form.Cancel.fontColor(), 13);
  EXPECT_EQ(form.EnRus.fontColor(), 14);
  EXPECT_EQ(form.ColorDialog2.color(), 15);
  EXPECT_EQ(form.ColorDialog3.color(), 16);
  EXPECT_EQ(form.Input.font(), (Font{"MS Sans Serif", 8, FontStyle::Regular, 17}))
      << "the input field takes only its text colour from the settings";
  EXPECT_EQ(form.FontDialog1.font(), (Font{"Arial", 10, FontStyle::Italic, kBlack}));
  EXPECT_EQ(form.FontDialog2.font(), (Font{"Courier New", 12, FontStyle::Bold, kBlack}));
  EXPECT_EQ(form.FontDialog3.font(), (Font{"Times New Roman", 8, FontStyle::BoldItalic, kBlack}));
  EXPECT_EQ(utf8(application.title()), "Болтомир");
}

TEST_F(StartUpTest, AStyleTextThatMatchesNothingLeavesTheStyleRegular) {
  writeSettings(
      settingsRows({{20, "UserFontStyle=[bold]"}, {24, "CpuFontStyle=[fsBold, fsItalic]"}}));
  create();
  EXPECT_TRUE(box.shown.empty());
  EXPECT_EQ(form.FontDialog1.font().style, FontStyle::Regular);
  EXPECT_EQ(form.FontDialog2.font().style, FontStyle::Regular);
}

TEST_F(StartUpTest, TheDeliveredSettingsFileGivesTheDesignedLook) {
  std::ifstream delivered(BOLTOMIR_SOURCE_DIR "/data/ini/Config.ini", std::ios::binary);
  ASSERT_TRUE(delivered);
  folder.writeBytes("Data base/ini/Config.ini",
                    std::string(std::istreambuf_iterator<char>(delivered), {}));
  create();
  EXPECT_TRUE(box.shown.empty());
  expectDesignedLook(7);
  EXPECT_EQ(form.ConfigFile.count(), 31u);
  EXPECT_EQ(form.Config.SwitchValue(3), "YES");
  EXPECT_EQ(form.Config.SwitchValue(4), "YES");
  EXPECT_EQ(form.ConfigFile.get(30), "Adres=Data base\\Txt.Dat");
  for (const auto& line : form.ConfigFile.lines())
    EXPECT_NE(line.find('='), std::string::npos) << "every row is key=value: " << line;
}

struct FailureCase {
  const char* why;
  std::function<void(const testing_support::WorkingFolder&)> prepare;
  std::string message;
  int firstRowNotApplied;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.why; }

class StartUpFailure : public StartUpTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(StartUpFailure, OneBoxAndTheDesignedLookForEveryRowNotApplied) {
  const FailureCase& c = GetParam();
  writeSettings(settingsRows({{7, "WindowColor=1"}, {8, "DialogueColor=2"}}));
  c.prepare(folder);
  create();
  EXPECT_EQ(shownMessages(), std::vector<std::string>{c.message});
  expectDesignedLook(c.firstRowNotApplied);
  if (c.firstRowNotApplied > 8) {
    EXPECT_EQ(form.Self.color(), 1) << "row 7 applied before the failure";
    EXPECT_EQ(form.RE1.color(), 2) << "row 8 applied before the failure";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartUpFailure,
    ::testing::Values(
        FailureCase{.why = "a missing Words.dat: the settings are not even loaded",
                    .prepare =
                        [](const testing_support::WorkingFolder& f) {
                          std::filesystem::remove(f.path() / "Data base/AI/Words.dat");
                        },
                    .message = "Cannot open file Data base\\AI\\Words.dat.",
                    .firstRowNotApplied = 7},
        FailureCase{.why = "a missing settings file",
                    .prepare =
                        [](const testing_support::WorkingFolder& f) {
                          std::filesystem::remove(f.path() / "Data base/ini/Config.ini");
                        },
                    .message = "Cannot open file Data base\\ini\\Config.ini.",
                    .firstRowNotApplied = 7},
        FailureCase{.why = "row 7 not a number",
                    .prepare =
                        [](const testing_support::WorkingFolder& f) {
                          writeSettingsTo(f, settingsRows({{7, "WindowColor=silver"}}));
                        },
                    .message = "'silver' is not a valid integer value.",
                    .firstRowNotApplied = 7},
        FailureCase{
            .why = "an empty settings file fails at row 7 with an empty value",
            .prepare = [](const testing_support::WorkingFolder& f) { writeSettingsTo(f, {}); },
            .message = "'' is not a valid integer value.",
            .firstRowNotApplied = 7},
        FailureCase{.why = "row 9 not a number: rows 7 and 8 stay applied",
                    .prepare =
                        [](const testing_support::WorkingFolder& f) {
                          writeSettingsTo(f, settingsRows({{7, "WindowColor=1"},
                                                           {8, "DialogueColor=2"},
                                                           {9, "InputColor="}}));
                        },
                    .message = "'' is not a valid integer value.",
                    .firstRowNotApplied = 9}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(StartUpTest, AMissingWordsDatLeavesTheSettingsEmpty) {
  writeSettings(settingsRows());
  std::filesystem::remove(folder.path() / "Data base/AI/Words.dat");
  create();
  EXPECT_TRUE(form.ConfigFile.empty());
  EXPECT_EQ(form.Config.ConfigValue(31), "") << "every row reads empty";
}

TEST_F(StartUpTest, ATwentyLineFileAppliesEveryRowUpToTwentyThenFailsAtRowTwentyOne) {
  auto rows = settingsRows({{7, "WindowColor=7"},
                            {17, "InputTextColor=17"},
                            {19, "UserFontName=Arial"},
                            {20, "UserFontStyle=[fsBold]"}});
  rows.resize(20);
  writeSettings(rows);
  create();
  EXPECT_EQ(shownMessages(), std::vector<std::string>{"List index out of bounds (20)"});
  EXPECT_EQ(form.Self.color(), 7);
  EXPECT_EQ(form.Input.font().color, 17);
  EXPECT_EQ(form.FontDialog1.font(), (Font{"Arial", 8, FontStyle::Bold, kBlack}))
      << "name and style applied, the size not";
  EXPECT_EQ(form.FontDialog2.font(), kDesignedFont);
  EXPECT_EQ(form.FontDialog3.font(), kDesignedFont);
}

}  // namespace
}  // namespace shell_testing
