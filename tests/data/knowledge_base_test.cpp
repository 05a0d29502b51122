// The knowledge base delivered with the program, as the build wrote it into "Data base/AI":
// every Words.Dat line follows the syntax the engine reads, every key can match, no list file
// holds an empty line, and there is enough of everything for a good conversation.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "base/list_file.h"
#include "base/paths.h"
#include "base/text_case.h"
#include "engine/fragment_search.h"
#include "engine/key_line.h"
#include "engine/phrase_filters.h"
#include "engine/phrase_normaliser.h"
#include "tests/support/cp1251_literals.h"

namespace {

using testing_support::utf8;

const std::string kFolder = BOLTOMIR_BINARY_DIR "/Data base/AI/";

base::Lines readDelivered(const std::string& name) { return base::readListFile(kFolder + name); }

// Written keys are upper case, with single blanks between words and none at either end.
bool keyWrittenWell(std::string_view key) {
  return base::toUpper(key) == key && key.front() != ' ' && key.back() != ' ' &&
         key.find("  ") == std::string_view::npos;
}

TEST(DeliveredKnowledgeBase, EveryWordsLineFollowsTheSyntax) {
  const base::Lines lines = readDelivered("Words.Dat");
  std::size_t previousDepth = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE("Words.Dat line " + std::to_string(i + 1) + ": " + utf8(lines[i]));
    const engine::KeyLine line(lines[i]);
    ASSERT_TRUE(line.wellFormed());
    EXPECT_TRUE(keyWrittenWell(line.branchKey())) << "a key in lower case never matches";
    EXPECT_TRUE(line.hasAlternatives()) << "a delivered key has replies";
    EXPECT_LE(line.depth(), previousDepth + 1) << "a branch line continues the line above it";
    previousDepth = line.depth();
  }
}

struct Counts {
  int mainLines = 0;
  int mainLinesWithBranches = 0;
  int threeLevelBlocks = 0;
  int followUps = 0;
  int farewells = 0;
};

Counts countWords(const base::Lines& lines) {
  Counts counts;
  std::size_t blockDepth = 0;
  auto closeBlock = [&] {
    if (blockDepth >= 1) ++counts.mainLinesWithBranches;
    if (blockDepth >= 3) ++counts.threeLevelBlocks;
    blockDepth = 0;
  };
  for (const auto& text : lines) {
    const engine::KeyLine line(text);
    if (!line.wellFormed() || !line.hasAlternatives()) continue;
    if (line.depth() == 0) {
      closeBlock();
      ++counts.mainLines;
      if (line.exitMarker()) ++counts.farewells;
    }
    blockDepth = std::max(blockDepth, line.depth());
    for (std::size_t k = 1; k <= line.alternativeCount(); ++k) {
      const auto alternative = line.alternative(k);
      if (alternative.hasFollowUp && !alternative.followUp.empty()) ++counts.followUps;
    }
  }
  closeBlock();
  return counts;
}

TEST(DeliveredKnowledgeBase, WordsHoldsEnoughKeysBranchesAndFollowUps) {
  const Counts counts = countWords(readDelivered("Words.Dat"));
  EXPECT_GE(counts.mainLines, 400);
  EXPECT_GE(counts.mainLinesWithBranches, 40);
  EXPECT_GE(counts.threeLevelBlocks, 10) << "blocks with lines of depth 1, 2 and 3";
  EXPECT_GE(counts.followUps, 30);
  EXPECT_GE(counts.farewells, 1) << "a farewell with the exit marker";
}

TEST(DeliveredKnowledgeBase, EveryListFileHoldsEnoughLinesAndNoEmptyOne) {
  struct Case {
    const char* name;
    std::size_t fewest;
  };
  const Case cases[] = {
      {"Povtor.Dat", 15}, {"X.Dat", 20},      {"BigString.Dat", 10},
      {"W1.Dat", 40},     {"W2.Dat", 40},     {"CPUpvt.dat", 15},
      {"Pause.Dat", 25},  {"AI.dat", 1 + 25}, {"Begin.dat", 12},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.name);
    const base::Lines lines = readDelivered(row.name);
    EXPECT_GE(lines.size(), row.fewest);
    for (std::size_t i = 0; i < lines.size(); ++i)
      EXPECT_FALSE(lines[i].empty()) << "line " << i + 1 << " is empty";
  }
}

TEST(DeliveredKnowledgeBase, TheRepliesToAnInsultAreCalm) {
  const base::Lines lines = readDelivered("X.Dat");
  for (const auto& line : lines) {
    SCOPED_TRACE(utf8(line));
    const engine::PreparedPhrase reply(engine::normalisePhrase(line));
    EXPECT_FALSE(engine::holdsFragment(engine::Cenzura(), reply));
  }
}

TEST(DeliveredKnowledgeBase, TheCollectionAndTheLogStartEmpty) {
  for (const char* name : {"Collection.Dat", "Log.dat"}) {
    SCOPED_TRACE(name);
    const auto path = base::resolvePath(kFolder + name);
    ASSERT_TRUE(std::filesystem::is_regular_file(path));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
  }
}

}  // namespace
