#include "engine/phrase_normaliser.h"

#include "base/text_case.h"

namespace engine {

namespace {

bool endsSentence(char c) { return c == '.' || c == '!' || c == '?'; }

bool isSign(char c) { return c == ',' || endsSentence(c); }

}  // namespace

std::string normalisePhrase(std::string_view phrase) {
  std::string normal(phrase);
  // Only the Russian letters are capitalised here: a Latin first letter stays as typed.
  if (!normal.empty() && base::isRussianLower(normal.front()))
    normal.front() = base::toUpper(normal.front());
  if (!normal.empty() && normal.back() == ',') normal.back() = '.';
  if (normal.empty() || !endsSentence(normal.back())) normal += '.';
  return normal;
}

std::string keyForm(std::string_view text) {
  std::string key;
  key.reserve(text.size());
  for (const char c : text)
    if (!isSign(c)) key += base::toUpper(c);
  return key;
}

}  // namespace engine
