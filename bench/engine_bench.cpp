// How long a dialogue turn takes against the file operations it cannot avoid, on generated
// knowledge bases whose Words.Dat holds 1,000 to 1,000,000 lines:
//   a hit on the first line, a hit on the last line (by whole key and by key words), and a
//   branch scan over a block of 1,000 lines, each against one read of Words.Dat;
//   a turn that finds nothing and learns a key line and the reply to the previous phrase,
//   against one read plus one atomic rewrite of Words.Dat; and the same turn that also learns
//   a general reply into W2.Dat, against the read and rewrite of both files.
// Turn and baseline are timed in the same iteration; a table of ratios ends the report.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/cp1251.h"
#include "base/list_file.h"
#include "engine/conversation_state.h"
#include "engine/dialogue_engine.h"
#include "engine/dialogue_host.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kWords = "Data base\\AI\\Words.Dat";
constexpr std::size_t kBlock = 1000;

std::string cp(std::string_view utf8) { return base::utf8ToCp1251(utf8); }

// A window that only keeps what a turn needs of it.
class QuietHost final : public engine::DialogueHost {
 public:
  std::string input;
  std::string lastCpuLine;

  bool userMode() const override { return true; }
  std::string inputText() const override { return input; }
  std::string exchangePhrase() const override { return {}; }
  void writeExchangeReply(const std::string&) override {}
  void clearInput() override { input.clear(); }
  void setBusyCursor(bool) override {}
  void playCue(engine::CuePlayer, const std::string&) override {}
  void showUserLine(const std::string&) override {}
  void showCpuLine(const std::string& text) override { lastCpuLine = text; }
  void setTimerEnabled(engine::EngineTimer, bool) override {}
  bool timerEnabled(engine::EngineTimer) const override { return false; }
  void setTimerInterval(engine::EngineTimer, int) override {}
  int timerInterval(engine::EngineTimer) const override { return 1000; }
};

// TurnDraw 2 (so the reply to the previous phrase is learned), long-phrase draw 2 (never a long
// phrase), and the first line or alternative of every pick.
class FixedDraws final : public base::RandomSource {
 public:
  void reseed() override {}
  int uniform(int lo, int hi) override { return (lo == 1 && (hi == 3 || hi == 6)) ? 2 : lo; }
};

class Generator {
 public:
  std::string word(const std::string& alphabet, int shortest, int longest) {
    const int length = shortest + static_cast<int>(next() % (longest - shortest + 1));
    std::string text;
    for (int i = 0; i < length; ++i) text += alphabet[next() % alphabet.size()];
    return text;
  }
  std::uint64_t next() {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return state_ >> 33;
  }

 private:
  std::uint64_t state_ = 42;
};

// Keys are made of the letters А..П only; the phrases of the cases use Р..Я (without the letters
// of the case keys), so only the lines meant to answer can answer.
const std::string kKeyLetters = cp("АБВГДЕЖЗИЙКЛМНОП");
const std::string kPhraseLetters = cp("РСТУФХЧШЫЬЯ");

struct Layout {
  std::size_t lines;
  std::size_t block;      // lines of the branch block after line 1
  std::string middleKey;  // the key of a main line in the middle, the bot's previous reply
};

Layout writeKnowledgeBase(const fs::path& folder, std::size_t lineCount) {
  Generator random;
  Layout layout{lineCount, std::min(kBlock, lineCount - 4), {}};
  base::Lines words;
  words.reserve(lineCount);
  words.push_back(cp("ЩУР^Первая строка.;"));
  words.push_back(cp("ЦЫЦ^Ветка начинается.;"));
  for (std::size_t i = 0; i + 1 < layout.block; ++i)
    words.push_back(std::string(1 + i % 2, '_') + random.word(kKeyLetters, 3, 8) + "^" +
                    cp("Ответ ветки.;"));
  words.push_back(cp("_ЭХ^Конец ветки.;"));
  while (words.size() + 1 < lineCount) {
    const bool branch = random.next() % 10 == 0;
    std::string key = random.word(kKeyLetters, 3, 8);
    for (int extra = static_cast<int>(random.next() % 3); extra > 0; --extra)
      key += " " + random.word(kKeyLetters, 2, 7);
    if (!branch && layout.middleKey.empty() && words.size() >= lineCount / 2)
      layout.middleKey = key;
    std::string line = (branch ? "_" : "") + key + "^";
    for (int k = 1 + static_cast<int>(random.next() % 3); k > 0; --k)
      line +=
          cp("Ответ номер ") + std::to_string(words.size()) + (k == 2 ? cp(".|Кстати.;") : ".;");
    words.push_back(std::move(line));
  }
  words.push_back(cp("ЮШ ЪЯ^Последняя строка.;"));

  const fs::path ai = folder / "Data base" / "AI";
  fs::create_directories(ai);
  auto write = [&ai](const char* name, const base::Lines& lines) {
    base::writeListFile((ai / name).string(), lines);
  };
  write("Words.Dat", words);
  write("Povtor.Dat", {cp("Ты повторяешься.")});
  write("X.Dat", {cp("Не надо так.")});
  write("Collection.Dat", {});
  write("BigString.Dat", {cp("Много слов.")});
  write("W1.Dat", {cp("Не знаю.")});
  write("W2.Dat", {cp("Понятно.")});
  write("CPUpvt.dat", {cp("Опять.")});
  return layout;
}

// One generated folder per size, made on first use and removed at exit.
class Folders {
 public:
  ~Folders() {
    std::error_code ignored;
    if (!root_.empty()) fs::remove_all(root_, ignored);
  }
  const Layout& enter(std::size_t lines) {
    if (root_.empty()) {
      std::string pattern = (fs::temp_directory_path() / "boltomir-bench-XXXXXX").string();
      if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
      root_ = pattern;
    }
    const fs::path folder = root_ / std::to_string(lines);
    if (!layouts_.contains(lines)) layouts_.emplace(lines, writeKnowledgeBase(folder, lines));
    fs::current_path(folder);
    return layouts_.at(lines);
  }

 private:
  fs::path root_;
  std::map<std::size_t, Layout> layouts_;
};

Folders& folders() {
  static Folders instance;
  return instance;
}

// A turn of the Cpu\User mode on a fresh conversation, the branch context as given.
struct Turn {
  engine::ConversationState state;
  QuietHost host;
  FixedDraws random;
  engine::DialogueEngine engine{state, host, random};

  void run(const std::string& phrase, int branchDepth = 0, int branchLine = 0,
           const std::string& previousReply = {}) {
    state.LastUserPhrase.clear();
    state.LastCpuPhrase = previousReply;
    state.BranchDepth = branchDepth;
    state.BranchLine = branchLine;
    host.input = phrase;
    engine.SpeakClick();
  }
};

void expectReply(benchmark::State& bench, const Turn& turn, std::string_view utf8Reply) {
  if (turn.host.lastCpuLine != cp(utf8Reply))
    bench.SkipWithError(("unexpected reply " + base::cp1251ToUtf8(turn.host.lastCpuLine)).c_str());
}

using Clock = std::chrono::steady_clock;

double secondsOf(const std::function<void()>& job) {
  const auto start = Clock::now();
  job();
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Each iteration times the turn and its baseline one after the other, in alternating order, on
// the same file, so that a busy disk or processor weighs on both alike. The benchmark's time is
// the turn's; the counters give both means and their ratio. `reset` runs untimed after both.
void paired(
    benchmark::State& bench, const std::function<void()>& turn,
    const std::function<void()>& baseline, const std::function<void()>& reset = [] {}) {
  double turnSeconds = 0;
  double baselineSeconds = 0;
  bool turnFirst = true;
  for (auto _ : bench) {
    double thisTurn = 0;
    if (turnFirst) {
      thisTurn = secondsOf(turn);
      reset();
      baselineSeconds += secondsOf(baseline);
    } else {
      baselineSeconds += secondsOf(baseline);
      thisTurn = secondsOf(turn);
      reset();
    }
    turnFirst = !turnFirst;
    turnSeconds += thisTurn;
    bench.SetIterationTime(thisTurn);
  }
  const auto iterations = static_cast<double>(bench.iterations());
  bench.counters["turn_ms"] = 1000 * turnSeconds / iterations;
  bench.counters["baseline_ms"] = 1000 * baselineSeconds / iterations;
  bench.counters["ratio"] = turnSeconds / baselineSeconds;
}

void readWords() { benchmark::DoNotOptimize(base::readListFile(kWords)); }

void readAndRewrite(std::string_view file) { base::writeListFile(file, base::readListFile(file)); }

void hitCase(benchmark::State& bench, const std::string& phrase, std::string_view reply,
             bool inBranch) {
  const Layout& layout = folders().enter(static_cast<std::size_t>(bench.range(0)));
  Turn turn;
  const int depth = inBranch ? 1 : 0;
  paired(
      bench, [&] { turn.run(phrase, depth, 1); }, readWords);
  expectReply(bench, turn, reply);
  bench.counters["lines"] = static_cast<double>(inBranch ? layout.block : layout.lines);
}

// A hit on the first line: one read, the scan stops at once.
void FirstLineHit(benchmark::State& bench) { hitCase(bench, cp("Щур"), "Первая строка.", false); }
// A hit on the last line by its whole key: every line's key is looked at once.
void LastLineHit(benchmark::State& bench) {
  hitCase(bench, cp("Юш ъя"), "Последняя строка.", false);
}
// A hit on the last line by its key words: every line is tried by whole key and by words.
void LastLineHitByKeyWords(benchmark::State& bench) {
  hitCase(bench, cp("Юш, ъя"), "Последняя строка.", false);
}
// The reply pending after line 1 comes from the last line of its block of 1,000 lines.
void BranchScan(benchmark::State& bench) { hitCase(bench, cp("Эх"), "Конец ветки.", true); }

// A phrase no line answers, new at every iteration so that it is learned every time.
std::string unknownPhrase(std::size_t n, std::string_view utf8Start) {
  std::string phrase = cp(utf8Start);
  do {
    phrase += kPhraseLetters[n % kPhraseLetters.size()];
    n /= kPhraseLetters.size();
  } while (n > 0);
  return phrase;
}

// A turn that finds nothing and learns: a key line, the phrase as a reply to the previous one
// (a line from the middle moved to the end), and with `generalReply` the phrase in W2.Dat too.
// Words.Dat is written once; W2.Dat is a second file, so its baseline rewrites both.
void noMatch(benchmark::State& bench, bool generalReply) {
  const Layout& layout = folders().enter(static_cast<std::size_t>(bench.range(0)));
  const fs::path ai = fs::current_path() / "Data base" / "AI";
  const fs::path pristineWords = ai / "Words.pristine";
  const fs::path pristineGeneral = ai / "W2.pristine";
  fs::copy_file(ai / "Words.Dat", pristineWords, fs::copy_options::overwrite_existing);
  fs::copy_file(ai / "W2.Dat", pristineGeneral, fs::copy_options::overwrite_existing);
  // "FUCK" is on the topic list, which keeps a phrase out of W2.Dat; no generated key holds
  // Latin letters.
  const std::string_view start = generalReply ? "Ты суть туч " : "Ты суть туч fuck ";
  Turn turn;
  std::size_t n = 0;
  std::size_t learned = 0;
  paired(
      bench, [&] { turn.run(unknownPhrase(n++, start), 0, 0, layout.middleKey); },
      [&] {
        readAndRewrite(kWords);
        if (generalReply) readAndRewrite("Data base\\AI\\W2.Dat");
      },
      [&] {
        learned += base::readListFile(kWords).size() - layout.lines;
        fs::copy_file(pristineWords, ai / "Words.Dat", fs::copy_options::overwrite_existing);
        fs::copy_file(pristineGeneral, ai / "W2.Dat", fs::copy_options::overwrite_existing);
      });
  if (learned != n) bench.SkipWithError("a turn learned no key line");
  expectReply(bench, turn, "Понятно.");
  bench.counters["lines"] = static_cast<double>(layout.lines);
}

void NoMatchWithLearning(benchmark::State& bench) { noMatch(bench, true); }
void NoMatchLearningKeyOnly(benchmark::State& bench) { noMatch(bench, false); }

void sizes(benchmark::internal::Benchmark* bench) {
  for (const int lines : {1000, 10000, 100000, 1000000}) bench->Arg(lines);
  bench->UseManualTime()->Unit(benchmark::kMillisecond);
}

BENCHMARK(FirstLineHit)->Apply(sizes);
BENCHMARK(LastLineHit)->Apply(sizes);
BENCHMARK(LastLineHitByKeyWords)->Apply(sizes);
BENCHMARK(BranchScan)->Apply(sizes);
BENCHMARK(NoMatchWithLearning)->Apply(sizes);
BENCHMARK(NoMatchLearningKeyOnly)->Apply(sizes);

// The console report, and the table of ratios after it (the median over repetitions).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const auto& run : runs) {
      if (run.error_occurred || run.run_type != Run::RT_Iteration) continue;
      const std::string key = run.run_name.function_name + "/" + run.run_name.args;
      samples_[key].push_back(
          {run.counters.at("turn_ms"), run.counters.at("baseline_ms"), run.counters.at("ratio")});
      if (std::find(order_.begin(), order_.end(), key) == order_.end()) order_.push_back(key);
    }
  }

  void printRatios() const {
    std::printf("\n%-30s %12s %14s %7s %7s\n", "case/lines", "turn ms", "baseline ms", "ratio",
                "target");
    for (const auto& key : order_) {
      auto samples = samples_.at(key);
      std::sort(samples.begin(), samples.end(),
                [](const Sample& a, const Sample& b) { return a.ratio < b.ratio; });
      const Sample& median = samples[samples.size() / 2];
      const double target = key.starts_with("NoMatch") ? 1.5 : 2.0;
      std::printf("%-30s %12.3f %14.3f %7.2f %7.1f%s\n", key.c_str(), median.turnMs,
                  median.baselineMs, median.ratio, target, median.ratio <= target ? "" : "  over");
    }
  }

 private:
  struct Sample {
    double turnMs;
    double baselineMs;
    double ratio;
  };
  std::map<std::string, std::vector<Sample>> samples_;
  std::vector<std::string> order_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.printRatios();
  benchmark::Shutdown();
  return 0;
}
