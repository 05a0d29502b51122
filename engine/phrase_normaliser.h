#pragma once
// The regular form of a typed phrase: a capital first letter and end punctuation, so that every
// phrase of the transcript starts with a capital and ends with ".", "!" or "?".
#include <string>
#include <string_view>

namespace engine {

/// The phrase with a lower-case Russian first letter (а-я, ё) capitalised, a final "," made
/// ".", and "." appended unless it then ends with ".", "!" or "?". Nothing else changes; blanks
/// stay. Never shorter than the phrase, at most one character longer ("" gives ".").
std::string normalisePhrase(std::string_view phrase);

/// The key form of a text, as learning writes keys: every ",", ".", "!" and "?" removed wherever
/// it stands, then upper-cased (Russian and Latin letters). Blanks and other characters stay.
std::string keyForm(std::string_view text);

}  // namespace engine
