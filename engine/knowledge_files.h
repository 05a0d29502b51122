#pragma once
// The knowledge-base files of "Data base\AI" as the engine spells them (base resolves letter
// case), and the two operations every feature uses on a plain list file: a random pick and an
// append under the file's lock.
#include <string>
#include <string_view>

#include "base/list_file.h"
#include "base/random_source.h"

namespace engine {

namespace files {
inline constexpr std::string_view kWords = "Data base\\AI\\Words.Dat";
inline constexpr std::string_view kPovtor = "Data base\\AI\\Povtor.Dat";
inline constexpr std::string_view kX = "Data base\\AI\\X.Dat";
inline constexpr std::string_view kCollection = "Data base\\AI\\Collection.Dat";
inline constexpr std::string_view kBigString = "Data base\\AI\\BigString.Dat";
inline constexpr std::string_view kW1 = "Data base\\AI\\W1.Dat";
inline constexpr std::string_view kW2 = "Data base\\AI\\W2.Dat";
inline constexpr std::string_view kCpuPvt = "Data base\\AI\\CPUpvt.dat";
inline constexpr std::string_view kPause = "Data base\\AI\\Pause.Dat";
inline constexpr std::string_view kAi = "Data base\\AI\\AI.dat";
inline constexpr std::string_view kBegin = "Data base\\AI\\Begin.dat";
}  // namespace files

namespace cues {
inline constexpr std::string_view kSubmit = "Data base\\Sound\\Button3.wav";
inline constexpr std::string_view kCpu = "Data base\\Sound\\CpuSound.wav";
}  // namespace cues

class KnowledgeFiles {
 public:
  explicit KnowledgeFiles(base::RandomSource& random) : random_(random) {}

  /// A line of the file at an index drawn uniformly over all its lines. Throws cannotOpenFile
  /// when the file cannot be read, listIndexOutOfBounds(0) when it has no line (nothing drawn).
  std::string pick(std::string_view path);
  /// The same pick from lines already read.
  std::string pickFrom(const base::Lines& lines);
  /// A pick that never takes the first line (the header of AI.dat): the index is drawn from
  /// 1..count-1. A file of fewer than two lines has no such index and raises
  /// listIndexOutOfBounds(1), the first index the pick could take, with nothing drawn.
  std::string pickAfterHeader(std::string_view path);
  /// Reads the file, adds the line at its end and writes it back, all under the file's lock so
  /// that a second copy of the program appending at the same time loses nothing. Throws
  /// cannotOpenFile or cannotCreateFile; the file is unchanged then.
  static void append(std::string_view path, std::string line);

 private:
  std::string lineAt(const base::Lines& lines, int lowest);

  base::RandomSource& random_;
};

}  // namespace engine
