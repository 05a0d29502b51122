// libFuzzer target: one whole dialogue turn on a fuzzed Words.Dat and phrase, then the follow-up
// and delayed-remark jobs, in a small knowledge base in a temporary folder.
//
// Input: byte 0 holds the pending branch depth (bits 0-1), the mode (bit 2: Cpu\Cpu) and the
// seed of the draws (bits 3-7); byte 1 the pending branch line. The rest is text: the first line
// is the phrase, the second the bot's previous reply, the third the user's previous phrase, and
// everything after them, byte for byte, is Words.Dat.
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "base/errors.h"
#include "base/list_file.h"
#include "engine/conversation_state.h"
#include "engine/dialogue_engine.h"
#include "engine/dialogue_host.h"

namespace {

namespace fs = std::filesystem;

class FuzzHost final : public engine::DialogueHost {
 public:
  bool cpuUser = true;
  std::string phrase;
  bool enabled[4] = {};
  int interval[4] = {50, 1000, 1, 1};

  bool userMode() const override { return cpuUser; }
  std::string inputText() const override { return cpuUser ? phrase : std::string(); }
  std::string exchangePhrase() const override { return cpuUser ? std::string() : phrase; }
  void writeExchangeReply(const std::string&) override {}
  void clearInput() override {}
  void setBusyCursor(bool) override {}
  void playCue(engine::CuePlayer, const std::string&) override {}
  void showUserLine(const std::string&) override {}
  void showCpuLine(const std::string&) override {}
  void setTimerEnabled(engine::EngineTimer timer, bool on) override { enabled[index(timer)] = on; }
  bool timerEnabled(engine::EngineTimer timer) const override { return enabled[index(timer)]; }
  void setTimerInterval(engine::EngineTimer timer, int ms) override { interval[index(timer)] = ms; }
  int timerInterval(engine::EngineTimer timer) const override { return interval[index(timer)]; }

 private:
  static int index(engine::EngineTimer timer) { return static_cast<int>(timer); }
};

// Draws from a generator seeded by the input, so that every alternative can be taken.
class SeededDraws final : public base::RandomSource {
 public:
  explicit SeededDraws(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
  void reseed() override {}
  int uniform(int lo, int hi) override {
    state_ = state_ * 1103515245u + 12345u;
    const auto span = static_cast<std::uint64_t>(hi) - static_cast<std::uint64_t>(lo) + 1;
    return lo + static_cast<int>((state_ >> 8) % span);
  }

 private:
  std::uint32_t state_;
};

void writeBytes(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The small files every turn may need, written afresh for each input (learning makes W1.Dat,
// W2.Dat and Collection.Dat grow).
void writeSmallFiles(const fs::path& ai) {
  writeBytes(ai / "Povtor.Dat", "Povtor\r\n");
  writeBytes(ai / "X.Dat", "X\r\n");
  writeBytes(ai / "Collection.Dat", "");
  writeBytes(ai / "BigString.Dat", "Big\r\n");
  writeBytes(ai / "W1.Dat", "W1?\r\n");
  writeBytes(ai / "W2.Dat", "W2\r\n\r\n");
  writeBytes(ai / "CPUpvt.dat", "Pvt\r\n");
  writeBytes(ai / "Pause.Dat", "Pause\r\n");
  writeBytes(ai / "AI.dat", "Header\r\nAI\r\n");
  writeBytes(ai / "Begin.dat", "Begin\r\n");
}

// The working folder, made once: on a memory file system when there is one, since every
// learned line is flushed to disk.
const fs::path& workingFolder() {
  static const fs::path folder = [] {
    const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / "boltomir-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) abort();
    fs::create_directories(fs::path(pattern) / "Data base" / "AI");
    fs::current_path(pattern);
    return fs::path(pattern);
  }();
  return folder;
}

std::string_view takeLine(std::string_view& text) {
  const std::size_t end = text.find('\n');
  const std::string_view line = text.substr(0, end);
  text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const fs::path ai = workingFolder() / "Data base" / "AI";
  std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);
  const std::string_view phrase = takeLine(text);
  const std::string_view previousReply = takeLine(text);
  const std::string_view previousPhrase = takeLine(text);
  writeSmallFiles(ai);
  writeBytes(ai / "Words.Dat", text);

  engine::ConversationState state;
  state.BranchDepth = data[0] & 3;
  state.BranchLine = data[1];
  state.LastCpuPhrase = previousReply;
  state.LastUserPhrase = previousPhrase;
  FuzzHost host;
  host.cpuUser = (data[0] & 4) == 0;
  host.phrase = phrase;
  SeededDraws random(data[0] >> 3);
  engine::DialogueEngine dialogue(state, host, random);
  try {
    dialogue.SpeakClick();
    if (state.BranchDepth < 0) abort();
    for (int tick = 0; tick < 80 && host.timerEnabled(engine::EngineTimer::FollowUp); ++tick)
      dialogue.T13Timer();
    host.setTimerEnabled(engine::EngineTimer::DelayedRemark, true);
    dialogue.T9Timer();
    dialogue.T9Timer();
  } catch (const base::Error&) {
    // A file step failed (an empty pick, a write refused): the turn ends there by design.
  }
  return 0;
}
