#pragma once
// One line of Words.Dat, read in place (the line is not copied; the views point into it).
//
// Syntax: depth marks "_" (their number is the depth, 0 for a main line), the key up to the
// first "^" (looked for from the line's second character on), then alternatives each ended by
// ";" (reply text, optionally "|" and a follow-up text), and an optional exit marker "@" as the
// very last character. A line whose first "^" is its last character is a learned key without
// alternatives.
//
// A line that breaks the syntax is never read past its end, and every scan passes it over:
// an empty line, no "^" from the second character on, an empty key, a "^" or ";" in the key,
// alternatives without their ending ";" (text after the last ";" other than a single "@"), or an
// empty reply text.
#include <cstddef>
#include <string_view>

namespace engine {

/// One alternative of a line: the reply text and, after a "|", the follow-up text.
struct Alternative {
  std::string_view reply;
  std::string_view followUp;
  bool hasFollowUp = false;
};

class KeyLine {
 public:
  /// Finds the depth marks and the first "^"; the rest is checked only by wellFormed().
  explicit KeyLine(std::string_view line);

  std::string_view text() const { return line_; }
  bool hasCaret() const { return caret_ != std::string_view::npos; }
  /// The number of leading "_".
  std::size_t depth() const { return depth_; }
  /// Text before the first "^", depth marks included: the key of the main scans. Empty without
  /// a "^".
  std::string_view scanKey() const;
  /// Text after the depth marks up to the first "^": the key of the branch scan.
  std::string_view branchKey() const;
  /// A "^" stands before the line's last character, so the line can supply a reply.
  bool hasAlternatives() const { return hasCaret() && caret_ + 1 < line_.size(); }
  /// The whole syntax holds (a key line without alternatives included).
  bool wellFormed() const;

  /// The number of ";" of the line. Call on a well-formed line with alternatives.
  std::size_t alternativeCount() const;
  /// Alternative k, from 1 to alternativeCount(): it starts after the "^" for k = 1 and after
  /// the (k-1)-th ";" otherwise.
  Alternative alternative(std::size_t k) const;
  /// The line ends with the exit marker "@".
  bool exitMarker() const { return !line_.empty() && line_.back() == '@'; }

 private:
  std::string_view line_;
  std::size_t depth_ = 0;
  std::size_t caret_ = std::string_view::npos;
};

/// The key learning compares with a key form: the text before the line's first "^" wherever it
/// stands, depth marks included; nothing for a line without "^". Learning tests malformed lines
/// too, so a phrase is never learned twice even if its key line was damaged.
bool learnedKeyEquals(std::string_view line, std::string_view keyForm);

}  // namespace engine
