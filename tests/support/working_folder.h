#pragma once
// A fresh temporary folder made the working directory for one test, with the "Data base"
// folders below it; the old working directory comes back and the folder is removed afterwards.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace testing_support {

class WorkingFolder {
 public:
  WorkingFolder();
  ~WorkingFolder();
  WorkingFolder(const WorkingFolder&) = delete;
  WorkingFolder& operator=(const WorkingFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  /// Writes raw bytes to a file below the folder (a relative, "/"-separated path), making folders.
  void writeBytes(const std::string& relativePath, std::string_view bytes) const;
  /// Writes UTF-8 lines as a cp1251 file, each line followed by CR LF.
  void writeLines(const std::string& relativePath, const std::vector<std::string>& utf8Lines) const;
  /// The raw bytes of a file below the folder.
  std::string readBytes(const std::string& relativePath) const;
  /// The lines of a cp1251 file below the folder, as UTF-8.
  std::vector<std::string> readLines(const std::string& relativePath) const;

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

}  // namespace testing_support
