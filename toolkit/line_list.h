#pragma once
// A hidden list of lines: the working list of the knowledge-base files, the settings list, the
// dialogue log. Access by index is bounds-checked with the toolkit's own message.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace toolkit {

class LineList {
 public:
  /// The line at index; throws "List index out of bounds (%d)" outside 0..count-1.
  const std::string& get(long long index) const;
  void set(long long index, const std::string& line);
  void add(const std::string& line) { lines_.push_back(line); }
  /// Removes the line at index; throws like get() outside the list.
  void remove(long long index);
  /// Removes the last line; does nothing on an empty list.
  void removeLast() {
    if (!lines_.empty()) lines_.pop_back();
  }
  void clear() { lines_.clear(); }
  std::size_t count() const { return lines_.size(); }
  bool empty() const { return lines_.empty(); }
  const std::vector<std::string>& lines() const { return lines_; }
  void assignLines(std::vector<std::string> lines) { lines_ = std::move(lines); }

  /// Replaces the lines by the file's; on failure ("Cannot open file %s") the list is unchanged.
  void loadFromFile(std::string_view programPath);
  /// Replaces the file by the lines, atomically ("Cannot create file %s" on failure).
  void saveToFile(std::string_view programPath) const;

 private:
  std::vector<std::string> lines_;
};

}  // namespace toolkit
