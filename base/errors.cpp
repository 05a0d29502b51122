#include "base/errors.h"

#include <string>

namespace base {

Error cannotOpenFile(std::string_view programPath) {
  return Error("Cannot open file " + std::string(programPath));
}

Error cannotCreateFile(std::string_view programPath) {
  return Error("Cannot create file " + std::string(programPath));
}

Error listIndexOutOfBounds(long long index) {
  return Error("List index out of bounds (" + std::to_string(index) + ")");
}

Error notValidInteger(std::string_view text) {
  return Error("'" + std::string(text) + "' is not a valid integer value");
}

}  // namespace base
