// The text rules every step of a turn builds on: normalisation, the key form, FragmentSearch and
// the reading of a Words.Dat line.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/fragment_search.h"
#include "engine/key_line.h"
#include "engine/phrase_normaliser.h"
#include "tests/support/cp1251_literals.h"

namespace {

using testing_support::cp;
using testing_support::utf8;

struct TextCase {
  const char* why;
  std::string input;
  std::string expected;
};

TEST(Normalisation, CapitalisesTheFirstLetterAndRegularisesTheEnd) {
  const TextCase cases[] = {
      {.why = "a period is added", .input = "привет", .expected = "Привет."},
      {.why = "a final comma becomes a period", .input = "привет,", .expected = "Привет."},
      {.why = "an exclamation mark stays", .input = "Привет!", .expected = "Привет!"},
      {.why = "only the last sign counts", .input = "как дела?!", .expected = "Как дела?!"},
      {.why = "an ellipsis ends in a period", .input = "ну...", .expected = "Ну..."},
      {.why = "ё is a letter of the table", .input = "ёлка", .expected = "Ёлка."},
      {.why = "Latin letters stay", .input = "hello", .expected = "hello."},
      {.why = "only the first character is looked at", .input = " привет", .expected = " привет."},
      {.why = "blanks are not trimmed", .input = "привет ", .expected = "Привет ."},
      {.why = "a single letter", .input = "а", .expected = "А."},
      {.why = "digits stay", .input = "1 2 3", .expected = "1 2 3."},
      {.why = "two commas: only the last changes", .input = "да,,", .expected = "Да,."},
      {.why = "letters inside stay", .input = "мама мыла раму", .expected = "Мама мыла раму."},
      {.why = "a question mark stays", .input = "кто ты?", .expected = "Кто ты?"},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.why);
    EXPECT_EQ(utf8(engine::normalisePhrase(cp(row.input))), row.expected);
  }
}

TEST(Normalisation, CapitalisesEveryRussianLetterAndNothingElse) {
  for (int byte = 1; byte < 256; ++byte) {
    SCOPED_TRACE(byte);
    const bool russianLower = byte >= 0xE0 || byte == 0xB8;
    const int capital = byte == 0xB8 ? 0xA8 : (russianLower ? byte - 0x20 : byte);
    const std::string normal =
        engine::normalisePhrase(std::string(1, static_cast<char>(byte)) + "!");
    EXPECT_EQ(static_cast<unsigned char>(normal[0]), capital);
  }
}

TEST(KeyForm, DropsTheSignsAndUpperCases) {
  const TextCase cases[] = {
      {.why = "signs anywhere go", .input = "Привет, как дела?", .expected = "ПРИВЕТ КАК ДЕЛА"},
      {.why = "a blank before the sign stays", .input = "Привет !", .expected = "ПРИВЕТ "},
      {.why = "Latin and ё are upper-cased",
       .input = "ёж и hedgehog.",
       .expected = "ЁЖ И HEDGEHOG"},
      {.why = "other signs stay", .input = "Рок - это да;", .expected = "РОК - ЭТО ДА;"},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.why);
    EXPECT_EQ(utf8(engine::keyForm(cp(row.input))), row.expected);
  }
}

struct SearchCase {
  const char* why;
  std::string key;
  std::string phrase;
  std::size_t from;
  std::optional<std::size_t> found;
};

const std::vector<SearchCase>& searchCases() {
  static const std::vector<SearchCase> cases = {
      {.why = "a mismatching character is not compared again",
       .key = "АБ",
       .phrase = "ааб",
       .from = 0,
       .found = std::nullopt},
      {.why = "found at the start", .key = "АБ", .phrase = "аб", .from = 0, .found = 2},
      {.why = "found after a separator", .key = "АБ", .phrase = "а аб", .from = 0, .found = 4},
      {.why = "found inside a word", .key = "ДА", .phrase = "Когда?", .from = 0, .found = 5},
      {.why = "a lower-case key never matches",
       .key = "да",
       .phrase = "да",
       .from = 0,
       .found = std::nullopt},
      {.why = "a leading blank must be there",
       .key = " ЛОХ",
       .phrase = "Ты лох.",
       .from = 0,
       .found = 6},
      {.why = "nothing before the word",
       .key = " ЛОХ",
       .phrase = "Лох!",
       .from = 0,
       .found = std::nullopt},
      {.why = "two blanks: the second fails and is not retried",
       .key = " ЛОХ",
       .phrase = "Ты  лох.",
       .from = 0,
       .found = std::nullopt},
      {.why = "no backtracking after a partial match",
       .key = "ААБ",
       .phrase = "АААБ",
       .from = 0,
       .found = std::nullopt},
      {.why = "a trailing sign is part of the fragment",
       .key = " ТРУС!",
       .phrase = "Ты трус!",
       .from = 0,
       .found = 8},
      {.why = "Latin letters are upper-cased",
       .key = "FUCK",
       .phrase = "fuck.",
       .from = 0,
       .found = 4},
      {.why = "ё is upper-cased to Ё", .key = "ЁЛКА", .phrase = "ёлка", .from = 0, .found = 4},
      {.why = "the search starts after from",
       .key = "ДА",
       .phrase = "Да, да.",
       .from = 2,
       .found = 6},
      {.why = "from at the end finds nothing",
       .key = "ДА",
       .phrase = "Да",
       .from = 2,
       .found = std::nullopt},
      {.why = "from past the end finds nothing",
       .key = "Д",
       .phrase = "Да",
       .from = 9,
       .found = std::nullopt},
      {.why = "an empty key is never found",
       .key = "",
       .phrase = "Да",
       .from = 0,
       .found = std::nullopt},
      {.why = "a key longer than the phrase",
       .key = "ДАДА",
       .phrase = "Да",
       .from = 0,
       .found = std::nullopt},
      {.why = "a one-character key", .key = "?", .phrase = "Кто ты?", .from = 0, .found = 7},
  };
  return cases;
}

TEST(FragmentSearch, FindsTheKeyInOneLeftToRightPass) {
  for (const auto& row : searchCases()) {
    SCOPED_TRACE(row.why);
    EXPECT_EQ(engine::FragmentSearch(cp(row.key), cp(row.phrase), row.from), row.found);
  }
}

TEST(FragmentSearch, APreparedPhraseGivesTheSameAnswers) {
  for (const auto& row : searchCases()) {
    SCOPED_TRACE(row.why);
    EXPECT_EQ(engine::PreparedPhrase(cp(row.phrase)).find(cp(row.key), row.from), row.found);
  }
}

// Every key of up to three characters against every phrase of up to six over a small alphabet:
// the prepared search must refuse only what the plain search does not find.
TEST(FragmentSearch, APreparedPhraseAgreesOnEverySmallCase) {
  const std::string keyAlphabet = cp("АБ ");
  const std::string phraseAlphabet = cp("аАБ ");
  auto all = [](const std::string& alphabet, std::size_t longest) {
    std::vector<std::string> texts{""};
    for (std::size_t begin = 0, length = 0; length < longest; ++length) {
      const std::size_t end = texts.size();
      for (std::size_t i = begin; i < end; ++i)
        for (const char c : alphabet) texts.push_back(texts[i] + c);
      begin = end;
    }
    return texts;
  };
  const auto keys = all(keyAlphabet, 3);
  int disagreements = 0;
  for (const auto& phrase : all(phraseAlphabet, 6)) {
    const engine::PreparedPhrase prepared(phrase);
    for (const auto& key : keys)
      for (std::size_t from = 0; from < 3; ++from)
        if (prepared.find(key, from) != engine::FragmentSearch(key, phrase, from)) ++disagreements;
  }
  EXPECT_EQ(disagreements, 0);
}

struct LineCase {
  const char* why;
  std::string line;
  bool wellFormed;
  std::size_t depth = 0;
  std::string scanKey = "";
  std::string branchKey = "";
  bool hasAlternatives = true;
};

TEST(KeyLine, ReadsTheSyntaxAndRefusesWhatBreaksIt) {
  const LineCase cases[] = {
      {.why = "a main line",
       .line = "ТЫ ЛЮБИШЬ МУЗЫКУ^Да.;Люблю.;",
       .wellFormed = true,
       .scanKey = "ТЫ ЛЮБИШЬ МУЗЫКУ",
       .branchKey = "ТЫ ЛЮБИШЬ МУЗЫКУ"},
      {.why = "a branch line with a follow-up",
       .line = "__РОК^Рок - это здорово.|Я тоже.;",
       .wellFormed = true,
       .depth = 2,
       .scanKey = "__РОК",
       .branchKey = "РОК"},
      {.why = "the exit marker",
       .line = "ПОКА^До свидания!;@",
       .wellFormed = true,
       .scanKey = "ПОКА",
       .branchKey = "ПОКА"},
      {.why = "a learned key without alternatives",
       .line = "КАК ТЕБЯ ЗОВУТ^",
       .wellFormed = true,
       .scanKey = "КАК ТЕБЯ ЗОВУТ",
       .branchKey = "КАК ТЕБЯ ЗОВУТ",
       .hasAlternatives = false},
      {.why = "an empty follow-up",
       .line = "А^Б|;",
       .wellFormed = true,
       .scanKey = "А",
       .branchKey = "А"},
      {.why = "a caret in a reply",
       .line = "А^Б^В;",
       .wellFormed = true,
       .scanKey = "А",
       .branchKey = "А"},
      {.why = "an empty line", .line = "", .wellFormed = false, .hasAlternatives = false},
      {.why = "no caret", .line = "ПРИВЕТ", .wellFormed = false, .hasAlternatives = false},
      {.why = "a caret only as the first character",
       .line = "^Привет;",
       .wellFormed = false,
       .hasAlternatives = false},
      {.why = "a caret first and later: the key holds a caret",
       .line = "^А^Б;",
       .wellFormed = false,
       .scanKey = "^А",
       .branchKey = "^А"},
      {.why = "depth marks and no key",
       .line = "__^Да.;",
       .wellFormed = false,
       .depth = 2,
       .scanKey = "__"},
      {.why = "a semicolon in the key",
       .line = "А;Б^В;",
       .wellFormed = false,
       .scanKey = "А;Б",
       .branchKey = "А;Б"},
      {.why = "a reply without its semicolon",
       .line = "А^Б",
       .wellFormed = false,
       .scanKey = "А",
       .branchKey = "А"},
      {.why = "text after the last semicolon",
       .line = "А^Б;В",
       .wellFormed = false,
       .scanKey = "А",
       .branchKey = "А"},
      {.why = "two exit markers",
       .line = "А^Б;@@",
       .wellFormed = false,
       .scanKey = "А",
       .branchKey = "А"},
      {.why = "an empty reply text",
       .line = "А^Б;;",
       .wellFormed = false,
       .scanKey = "А",
       .branchKey = "А"},
      {.why = "a follow-up without a reply",
       .line = "А^|Б;",
       .wellFormed = false,
       .scanKey = "А",
       .branchKey = "А"},
      {.why = "only depth marks",
       .line = "___",
       .wellFormed = false,
       .depth = 3,
       .hasAlternatives = false},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.why);
    const std::string line = cp(row.line);
    const engine::KeyLine parsed(line);
    EXPECT_EQ(parsed.wellFormed(), row.wellFormed);
    EXPECT_EQ(parsed.depth(), row.depth);
    EXPECT_EQ(utf8(parsed.scanKey()), row.scanKey);
    EXPECT_EQ(utf8(parsed.branchKey()), row.branchKey);
    EXPECT_EQ(parsed.hasAlternatives(), row.hasAlternatives);
  }
}

TEST(KeyLine, TakesEachAlternativeWithItsOwnFollowUp) {
  const std::string line = cp("_А^Раз;Два|Потом два;Три|;@");
  const engine::KeyLine parsed(line);
  ASSERT_TRUE(parsed.wellFormed());
  EXPECT_EQ(parsed.alternativeCount(), 3u);
  EXPECT_TRUE(parsed.exitMarker());
  struct Expected {
    std::string reply;
    bool hasFollowUp;
    std::string followUp;
  };
  const Expected expected[] = {{"Раз", false, ""}, {"Два", true, "Потом два"}, {"Три", true, ""}};
  for (std::size_t k = 1; k <= 3; ++k) {
    SCOPED_TRACE(k);
    const auto alternative = parsed.alternative(k);
    EXPECT_EQ(utf8(alternative.reply), expected[k - 1].reply);
    EXPECT_EQ(alternative.hasFollowUp, expected[k - 1].hasFollowUp);
    EXPECT_EQ(utf8(alternative.followUp), expected[k - 1].followUp);
  }
}

TEST(KeyLine, LearningComparesTheTextBeforeTheFirstCaret) {
  struct Case {
    const char* why;
    std::string line;
    std::string key;
    bool equal;
  };
  const Case cases[] = {
      {.why = "a learned key", .line = "ПРИВЕТ^", .key = "ПРИВЕТ", .equal = true},
      {.why = "a key with replies", .line = "ПРИВЕТ^Да.;", .key = "ПРИВЕТ", .equal = true},
      {.why = "a longer key", .line = "ПРИВЕТ КАК ДЕЛА^", .key = "ПРИВЕТ", .equal = false},
      {.why = "letter case counts", .line = "Привет^", .key = "ПРИВЕТ", .equal = false},
      {.why = "depth marks belong to the key", .line = "_ПРИВЕТ^", .key = "ПРИВЕТ", .equal = false},
      {.why = "a trailing blank belongs to the key",
       .line = "ПРИВЕТ ^",
       .key = "ПРИВЕТ ",
       .equal = true},
      {.why = "an empty key form matches a line that starts with a caret",
       .line = "^",
       .key = "",
       .equal = true},
      {.why = "a line without caret has no key", .line = "ПРИВЕТ", .key = "ПРИВЕТ", .equal = false},
      {.why = "a key form holding a caret", .line = "А^Б^", .key = "А^Б", .equal = false},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.why);
    EXPECT_EQ(engine::learnedKeyEquals(cp(row.line), cp(row.key)), row.equal);
  }
}

}  // namespace
