// The sound-cue rule: row 4 read at every cue, "YES" plays an existing file, "NO" stops a player
// that has a file open when CpuSound.wav exists, anything else does nothing; a cue never fails.
#include "shell/sound_cues.h"

#include <filesystem>
#include <stdexcept>

#include "tests/shell/shell_fixture.h"

namespace shell_testing {
namespace {

const std::string kKeyBoard = "Data base\\Sound\\KeyBoard.wav";

/// A player whose device fails: every call throws.
class FailingPlayer final : public toolkit::Player {
 public:
  void open(const std::string&) override { throw std::runtime_error("no audio device"); }
  void play() override { throw std::runtime_error("no audio device"); }
  void stop() override { throw std::runtime_error("no audio device"); }
  bool hasFile() const override { return true; }
};

class SoundCuesTest : public ShellTest {
 protected:
  void soundRow(const std::string& utf8Value) {
    ConfigFile.assignLines({"Program=Boltomir", "Version=2.56", "Shake=YES", cp(utf8Value)});
  }

  toolkit::LineList ConfigFile;
  shell::Settings config{ConfigFile};
  shell::SoundCues cues{config};
};

struct CueCase {
  const char* why;
  std::string row4;
  bool cueFile;         // KeyBoard.wav exists
  bool silencingProbe;  // CpuSound.wav exists
  bool playerHasFile;   // the player has a file open from an earlier cue
  std::vector<std::string> calls;
};

TEST_F(SoundCuesTest, DecisionTable) {
  const std::vector<std::string> plays = {"open " + kKeyBoard, "play"};
  const std::vector<std::string> stops = {"stop"};
  const std::vector<std::string> nothing = {};
  const CueCase cases[] = {
      {.why = "YES plays the cue",
       .row4 = "Sound=YES",
       .cueFile = true,
       .silencingProbe = true,
       .playerHasFile = false,
       .calls = plays},
      {.why = "yes in small letters plays",
       .row4 = "Sound=yes",
       .cueFile = true,
       .silencingProbe = true,
       .playerHasFile = true,
       .calls = plays},
      {.why = "YES plays without CpuSound.wav",
       .row4 = "Sound=YES",
       .cueFile = true,
       .silencingProbe = false,
       .playerHasFile = false,
       .calls = plays},
      {.why = "YES with a missing cue file does nothing",
       .row4 = "Sound=YES",
       .cueFile = false,
       .silencingProbe = true,
       .playerHasFile = true,
       .calls = nothing},
      {.why = "a blank after YES is neither YES nor NO",
       .row4 = "Sound=YES ",
       .cueFile = true,
       .silencingProbe = true,
       .playerHasFile = true,
       .calls = nothing},
      {.why = "NO stops a player with a file open",
       .row4 = "Sound=NO",
       .cueFile = true,
       .silencingProbe = true,
       .playerHasFile = true,
       .calls = stops},
      {.why = "no in small letters stops",
       .row4 = "Sound=no",
       .cueFile = false,
       .silencingProbe = true,
       .playerHasFile = true,
       .calls = stops},
      {.why = "NO leaves a player without a file alone",
       .row4 = "Sound=NO",
       .cueFile = true,
       .silencingProbe = true,
       .playerHasFile = false,
       .calls = nothing},
      {.why = "NO without CpuSound.wav stops nothing",
       .row4 = "Sound=NO",
       .cueFile = true,
       .silencingProbe = false,
       .playerHasFile = true,
       .calls = nothing},
      {.why = "an empty row neither plays nor stops",
       .row4 = "Sound=",
       .cueFile = true,
       .silencingProbe = true,
       .playerHasFile = true,
       .calls = nothing},
      {.why = "another word neither plays nor stops",
       .row4 = "Sound=ДА",
       .cueFile = true,
       .silencingProbe = true,
       .playerHasFile = true,
       .calls = nothing},
      {.why = "a bare NO without a key is the row's value",
       .row4 = "NO",
       .cueFile = true,
       .silencingProbe = true,
       .playerHasFile = true,
       .calls = stops},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    std::filesystem::remove_all(folder.path() / "Data base/Sound");
    if (c.cueFile) folder.writeBytes("Data base/Sound/KeyBoard.wav", "RIFF");
    if (c.silencingProbe) folder.writeBytes("Data base/Sound/CpuSound.wav", "RIFF");
    testing_support::RecordingPlayer player;
    if (c.playerHasFile) player.open("Data base\\Sound\\Button3.wav");
    player.calls.clear();
    soundRow(c.row4);
    cues.PlayCue(player, kKeyBoard);
    EXPECT_EQ(player.calls, c.calls);
  }
}

TEST_F(SoundCuesTest, FoldersAreNotFiles) {
  std::filesystem::create_directories(folder.path() / "Data base/Sound/KeyBoard.wav");
  std::filesystem::create_directories(folder.path() / "Data base/Sound/CpuSound.wav");
  MP.open(kKeyBoard);
  MP.calls.clear();
  soundRow("Sound=YES");
  cues.PlayCue(MP, kKeyBoard);
  soundRow("Sound=NO");
  cues.PlayCue(MP, kKeyBoard);
  EXPECT_TRUE(MP.calls.empty());
}

TEST_F(SoundCuesTest, TheRowIsReadAtEveryCue) {
  writeCues();
  soundRow("Sound=YES");
  cues.PlayCue(MP, kKeyBoard);
  soundRow("Sound=NO");
  cues.PlayCue(MP, kKeyBoard);
  EXPECT_EQ(MP.calls, (std::vector<std::string>{"open " + kKeyBoard, "play", "stop"}));
}

TEST_F(SoundCuesTest, ACueOnOnePlayerLeavesTheOtherAlone) {
  writeCues();
  soundRow("Sound=YES");
  cues.PlayCue(MP, "Data base\\Sound\\Button3.wav");
  cues.PlayCue(MP2, "Data base\\Sound\\CpuSound.wav");
  EXPECT_EQ(MP.calls, (std::vector<std::string>{"open Data base\\Sound\\Button3.wav", "play"}));
  EXPECT_EQ(MP2.calls, (std::vector<std::string>{"open Data base\\Sound\\CpuSound.wav", "play"}));
}

TEST_F(SoundCuesTest, ACueNeverFailsItsEvent) {
  writeCues();
  ConfigFile.assignLines({"Program=Boltomir", "Version=2.56", "Shake=YES"});
  EXPECT_EQ(failureOf([&] { cues.PlayCue(MP, kKeyBoard); }), "no failure")
      << "a settings file without row 4";
  EXPECT_TRUE(MP.calls.empty());

  FailingPlayer broken;
  for (const char* row4 : {"Sound=YES", "Sound=NO"}) {
    soundRow(row4);
    EXPECT_EQ(failureOf([&] { cues.PlayCue(broken, kKeyBoard); }), "no failure") << row4;
  }
}

}  // namespace
}  // namespace shell_testing
