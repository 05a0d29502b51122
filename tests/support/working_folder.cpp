#include "tests/support/working_folder.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "base/cp1251.h"
#include "base/list_file.h"

namespace testing_support {

WorkingFolder::WorkingFolder() : previous_(std::filesystem::current_path()) {
  std::string pattern = (std::filesystem::temp_directory_path() / "boltomir-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
  std::filesystem::create_directories(path_ / "Data base" / "AI");
  std::filesystem::current_path(path_);
}

WorkingFolder::~WorkingFolder() {
  std::error_code ignored;
  std::filesystem::current_path(previous_, ignored);
  // A test may have made folders read-only; give the owner write access back before removing.
  for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
       it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
  }
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ignored);
  std::filesystem::remove_all(path_, ignored);
}

void WorkingFolder::writeBytes(const std::string& relativePath, std::string_view bytes) const {
  const auto target = path_ / relativePath;
  std::filesystem::create_directories(target.parent_path());
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void WorkingFolder::writeLines(const std::string& relativePath,
                               const std::vector<std::string>& utf8Lines) const {
  std::string bytes;
  for (const auto& line : utf8Lines) bytes += base::utf8ToCp1251(line) + "\r\n";
  writeBytes(relativePath, bytes);
}

std::string WorkingFolder::readBytes(const std::string& relativePath) const {
  std::ifstream in(path_ / relativePath, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> WorkingFolder::readLines(const std::string& relativePath) const {
  std::vector<std::string> lines;
  for (const auto& line : base::splitLines(readBytes(relativePath)))
    lines.push_back(base::cp1251ToUtf8(line));
  return lines;
}

}  // namespace testing_support
