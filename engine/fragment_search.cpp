#include "engine/fragment_search.h"

#include "base/text_case.h"

namespace engine {

namespace {

template <typename UpperCase>
std::optional<std::size_t> singlePass(std::string_view key, std::string_view phrase,
                                      std::size_t from, UpperCase upperCase) {
  const std::size_t n = key.size();
  std::size_t count = 0;
  for (std::size_t i = from; n > 0 && i < phrase.size(); ++i) {
    if (upperCase(phrase[i]) == key[count]) {
      if (++count == n) return i + 1;
    } else {
      count = 0;
    }
  }
  return std::nullopt;
}

std::size_t index(char c) { return static_cast<unsigned char>(c); }

std::size_t pairIndex(char first, char second) { return index(first) * 256 + index(second); }

}  // namespace

std::optional<std::size_t> FragmentSearch(std::string_view key, std::string_view phrase,
                                          std::size_t from) {
  return singlePass(key, phrase, from, [](char c) { return base::toUpper(c); });
}

PreparedPhrase::PreparedPhrase(std::string_view phrase) : upper_(base::toUpper(phrase)) {
  for (std::size_t i = 0; i < upper_.size(); ++i) {
    characters_.set(index(upper_[i]));
    if (i + 1 < upper_.size()) pairs_.set(pairIndex(upper_[i], upper_[i + 1]));
  }
}

bool PreparedPhrase::mayHold(std::string_view key) const {
  // A found key stands whole in the phrase, so its first two characters stand there side by side.
  if (key.size() == 1) return characters_.test(index(key[0]));
  return key.size() > 1 && pairs_.test(pairIndex(key[0], key[1]));
}

std::optional<std::size_t> PreparedPhrase::find(std::string_view key, std::size_t from) const {
  if (!mayHold(key)) return std::nullopt;
  return singlePass(key, upper_, from, [](char c) { return c; });
}

}  // namespace engine
