#pragma once
// Paths as the program spells them ("Data base\AI\Words.Dat"): relative to the working directory
// unless absolute, "\" and "/" both separating, each component matched without regard to letter
// case (cp1251 mapping) when the exact spelling is absent. The program's spelling is cp1251;
// names on disk are UTF-8.
#include <filesystem>
#include <string_view>

namespace base {

/// The file system path of a program path. Components that exist in the exact spelling are taken
/// as they are; otherwise the first directory entry equal ignoring case is taken; a component that
/// matches nothing is kept as spelled (so a file to be created gets the program's spelling).
std::filesystem::path resolvePath(std::string_view programPath);

/// True when the program path names an existing regular file (not a folder).
bool fileExists(std::string_view programPath);

}  // namespace base
