#include "engine/words_file.h"

#include "engine/knowledge_files.h"

namespace engine {

WordsFile::WordsFile() : lock_(files::kWords), lines_(base::readListFile(files::kWords)) {}

base::Lines& WordsFile::change() {
  changed_ = true;
  return lines_;
}

void WordsFile::commit() {
  if (!changed_) return;
  base::writeListFile(files::kWords, lines_);
  changed_ = false;
}

}  // namespace engine
