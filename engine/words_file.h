#pragma once
// Words.Dat for one turn. The file is locked for the whole reply selection and learning, read
// once and written at most once: every scan of the turn sees the same lines (no other copy of
// the program can write the file meanwhile), and learning's changes reach the disk in one atomic
// rewrite.
#include <optional>

#include "base/list_file.h"

namespace engine {

class WordsFile {
 public:
  /// Takes the lock and reads the file; throws cannotOpenFile("Data base\AI\Words.Dat").
  WordsFile();

  const base::Lines& lines() const { return lines_; }
  /// The lines to change; commit() writes them.
  base::Lines& change();
  /// Writes the lines back when they were changed; throws cannotCreateFile, leaving the file as
  /// it was.
  void commit();

 private:
  base::FileLock lock_;
  base::Lines lines_;
  bool changed_ = false;
};

}  // namespace engine
