#pragma once
// Failures of the file and list operations. Every failure the user can see is an Error carrying
// the exact text of the error box (cp1251); the event or timer dispatch shows it.
#include <stdexcept>
#include <string>
#include <string_view>

namespace base {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

/// "Cannot open file %s", the path as the program spells it.
Error cannotOpenFile(std::string_view programPath);
/// "Cannot create file %s", the path as the program spells it.
Error cannotCreateFile(std::string_view programPath);
/// "List index out of bounds (%d)".
Error listIndexOutOfBounds(long long index);
/// "'%s' is not a valid integer value".
Error notValidInteger(std::string_view text);

}  // namespace base
