// The scans of reply selection against a plain reference written straight from their rules
// (FragmentSearch on every line, a scan by whole keys, then a second scan by key words), on many
// small generated Words.Dat files, broken lines among them.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "base/list_file.h"
#include "engine/fragment_search.h"
#include "engine/key_line.h"
#include "engine/reply_selection.h"
#include "tests/support/cp1251_literals.h"

namespace {

using testing_support::cp;
using testing_support::utf8;

// The key of the main scans: the text before the first "^" after the first character.
std::optional<std::string> mainKey(const std::string& line) {
  const std::size_t caret = line.size() >= 2 ? line.find('^', 1) : std::string::npos;
  if (caret == std::string::npos || caret + 1 == line.size()) return std::nullopt;
  return line.substr(0, caret);
}

bool wordsFound(const std::string& key, const std::string& phrase) {
  std::vector<std::string> words{""};
  for (const char c : key) {
    if (c == ' ')
      words.emplace_back();
    else
      words.back() += c;
  }
  std::size_t from = 0;
  bool any = false;
  for (const auto& word : words) {
    if (word.empty()) continue;
    const auto found = engine::FragmentSearch(word, phrase, from);
    if (!found) return false;
    from = *found;
    any = true;
  }
  return any;
}

std::optional<std::size_t> referenceMainScans(const base::Lines& lines, const std::string& phrase) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto key = mainKey(lines[i]);
    if (key && engine::FragmentSearch(*key, phrase) && engine::KeyLine(lines[i]).wellFormed())
      return i;
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto key = mainKey(lines[i]);
    if (key && wordsFound(*key, phrase) && engine::KeyLine(lines[i]).wellFormed()) return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> referenceBranchScan(const base::Lines& lines, std::size_t after,
                                               std::size_t depth, const std::string& phrase) {
  for (std::size_t i = after + 1; i < lines.size() && lines[i].starts_with('_'); ++i) {
    const std::size_t marks = lines[i].find_first_not_of('_');
    const auto key = mainKey(lines[i]);
    if (marks != depth || !key) continue;
    if (engine::FragmentSearch(key->substr(marks), phrase) &&
        engine::KeyLine(lines[i]).wellFormed())
      return i;
  }
  return std::nullopt;
}

class SmallFiles {
 public:
  std::string pick(const std::vector<std::string>& choices) {
    return choices[std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(random_)];
  }
  std::string line() {
    std::string text =
        pick({"", "", "_", "__"}) + pick({"А", "Б", "АБ", "Б А", "А  Б", "А ", "б", "_А"});
    return text + pick({"^1;", "^2;@", "^3|4;", "^", "^;", "^5", "", "^6;7;"});
  }
  base::Lines file() {
    base::Lines lines;
    for (int n = std::uniform_int_distribution<int>(0, 8)(random_); n > 0; --n)
      lines.push_back(cp(line()));
    return lines;
  }
  std::string phrase() {
    return cp(pick({"а", "б", "аб", "б а", "а б.", "ааб", "_а б", "ба, аб"}));
  }

 private:
  std::mt19937 random_{2024};
};

TEST(Scans, TheOnePassMainScanAnswersLikeTwoScansInARow) {
  SmallFiles files;
  for (int round = 0; round < 3000; ++round) {
    const base::Lines lines = files.file();
    const std::string phrase = files.phrase();
    const auto expected = referenceMainScans(lines, phrase);
    const auto found = engine::mainScans(lines, engine::PreparedPhrase(phrase));
    if (found != expected) {
      std::string file;
      for (const auto& line : lines) file += utf8(line) + "\n";
      FAIL() << "phrase " << utf8(phrase) << " in\n" << file;
    }
  }
}

TEST(Scans, TheBranchScanAnswersLikeItsRules) {
  SmallFiles files;
  for (int round = 0; round < 3000; ++round) {
    const base::Lines lines = files.file();
    const std::string phrase = files.phrase();
    for (std::size_t after = 0; after < lines.size(); ++after) {
      for (std::size_t depth = 1; depth <= 2; ++depth) {
        const auto expected = referenceBranchScan(lines, after, depth, phrase);
        const auto found = engine::branchScan(lines, after, depth, engine::PreparedPhrase(phrase));
        ASSERT_EQ(found.line, expected) << utf8(phrase) << " after " << after << " depth " << depth;
      }
    }
  }
}

}  // namespace
