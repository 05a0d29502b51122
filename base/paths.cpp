#include "base/paths.h"

#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "base/cp1251.h"
#include "base/text_case.h"

namespace base {

namespace fs = std::filesystem;

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// The components of a program path; empty ones (doubled or trailing separators) say nothing.
std::vector<std::string_view> splitComponents(std::string_view programPath) {
  std::vector<std::string_view> components;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= programPath.size(); ++i) {
    if (i == programPath.size() || isSeparator(programPath[i])) {
      if (i > start) components.push_back(programPath.substr(start, i - start));
      start = i + 1;
    }
  }
  return components;
}

// The name of the entry of `folder` equal to `upperComponent` ignoring case. Of several such
// entries the smallest name wins, so the choice does not depend on the order of the folder.
// Names that cp1251 cannot spell never match.
std::optional<fs::path> findIgnoringCase(const fs::path& folder, std::string_view upperComponent) {
  std::error_code error;
  fs::directory_iterator entries(folder, error);
  if (error) return std::nullopt;
  std::optional<fs::path> best;
  for (const auto end = fs::directory_iterator(); entries != end; entries.increment(error)) {
    if (error) break;
    fs::path name = entries->path().filename();
    const auto spelled = utf8ToCp1251Strict(name.string());
    if (spelled.badOffset || toUpper(spelled.text) != upperComponent) continue;
    if (!best || name < *best) best = std::move(name);
  }
  return best;
}

bool existsOnDisk(const fs::path& path) {
  std::error_code error;
  return fs::symlink_status(path, error).type() != fs::file_type::not_found && !error;
}

}  // namespace

fs::path resolvePath(std::string_view programPath) {
  const bool absolute = !programPath.empty() && isSeparator(programPath.front());
  fs::path resolved = absolute ? fs::path("/") : fs::current_path();
  bool searching = true;  // below a component that matched nothing there is nothing to search
  for (const auto component : splitComponents(programPath)) {
    const fs::path exact = resolved / cp1251ToUtf8(component);
    if (!searching || component == "." || component == ".." || existsOnDisk(exact)) {
      resolved = exact;
      continue;
    }
    const auto match = findIgnoringCase(resolved, toUpper(component));
    searching = match.has_value();
    resolved = match ? resolved / *match : exact;
  }
  return resolved;
}

bool fileExists(std::string_view programPath) {
  std::error_code error;
  return fs::is_regular_file(resolvePath(programPath), error);
}

}  // namespace base
