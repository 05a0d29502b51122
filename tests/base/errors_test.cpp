#include "base/errors.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/cp1251_literals.h"

namespace {

using testing_support::cp;
using testing_support::utf8;

TEST(Errors, MessagesOfTheErrorBox) {
  const struct {
    const char* why;
    base::Error error;
    std::string message;
  } rows[] = {
      {.why = "open",
       .error = base::cannotOpenFile("Data base\\ini\\Config.ini"),
       .message = "Cannot open file Data base\\ini\\Config.ini"},
      {.why = "create, cp1251 path",
       .error = base::cannotCreateFile(cp("C:\\обмен.txt")),
       .message = "Cannot create file C:\\обмен.txt"},
      {.why = "list index",
       .error = base::listIndexOutOfBounds(20),
       .message = "List index out of bounds (20)"},
      {.why = "integer, empty text",
       .error = base::notValidInteger(""),
       .message = "'' is not a valid integer value"},
      {.why = "integer, text unchanged",
       .error = base::notValidInteger(" 12 "),
       .message = "' 12 ' is not a valid integer value"},
  };
  for (const auto& row : rows) EXPECT_EQ(utf8(row.error.what()), row.message) << row.why;
}

}  // namespace
