#include "engine/knowledge_files.h"

#include <utility>

#include "base/errors.h"

namespace engine {

std::string KnowledgeFiles::lineAt(const base::Lines& lines, int lowest) {
  const auto count = static_cast<long long>(lines.size());
  if (count <= lowest) throw base::listIndexOutOfBounds(lowest);
  return lines[static_cast<std::size_t>(random_.uniform(lowest, static_cast<int>(count - 1)))];
}

std::string KnowledgeFiles::pick(std::string_view path) {
  return pickFrom(base::readListFile(path));
}

std::string KnowledgeFiles::pickFrom(const base::Lines& lines) { return lineAt(lines, 0); }

std::string KnowledgeFiles::pickAfterHeader(std::string_view path) {
  return lineAt(base::readListFile(path), 1);
}

void KnowledgeFiles::append(std::string_view path, std::string line) {
  const base::FileLock lock(path);
  base::Lines lines = base::readListFile(path);
  lines.push_back(std::move(line));
  base::writeListFile(path, lines);
}

}  // namespace engine
