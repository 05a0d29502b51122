#pragma once
// The one search by which every scan and filter compares an upper-case key with a phrase.
//
// A single left-to-right pass with one comparison per phrase character: the phrase character,
// upper-cased, is compared with the key character after those already matched; a match moves on
// in the key, a mismatch starts the key again at its first character with the NEXT phrase
// character (the mismatching one is not compared with the key's first character again). So «АБ»
// is not found in «ааб», but «ДА» is found in «Когда?». The key is used unchanged: a lower-case
// letter in a key never matches.
#include <bitset>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace engine {

/// The position (counted from 1) of the phrase character at which the whole key has been
/// matched, searching the phrase characters after position `from` (0: the whole phrase); nothing
/// when the key is not found, is empty, or `from` is at or past the phrase's end.
std::optional<std::size_t> FragmentSearch(std::string_view key, std::string_view phrase,
                                          std::size_t from = 0);

/// A phrase prepared once for many searches: the same answers as FragmentSearch, but the phrase
/// is upper-cased once, and a key whose first two characters never stand side by side in the
/// phrase (or whose only character is absent) is refused at once. A scan over a large
/// Words.Dat spends its time there.
class PreparedPhrase {
 public:
  explicit PreparedPhrase(std::string_view phrase);

  std::optional<std::size_t> find(std::string_view key, std::size_t from = 0) const;
  const std::string& upper() const { return upper_; }

 private:
  bool mayHold(std::string_view key) const;

  std::string upper_;
  std::bitset<256> characters_;
  std::bitset<256 * 256> pairs_;
};

}  // namespace engine
