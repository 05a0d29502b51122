#pragma once
// The message of the base::Error an action throws, as UTF-8, or "(no error)" when it throws none.
#include <string>

#include "base/errors.h"
#include "tests/support/cp1251_literals.h"

namespace base_tests {

template <typename Action>
std::string errorText(Action&& action) {
  try {
    action();
  } catch (const base::Error& error) {
    return testing_support::utf8(error.what());
  }
  return "(no error)";
}

}  // namespace base_tests
