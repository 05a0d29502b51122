#pragma once
// The name window, created hidden at start-up.
#include "toolkit/window.h"

namespace modes {

class TForm5 {
 public:
  TForm5();

  toolkit::Window Self;
};

}  // namespace modes
