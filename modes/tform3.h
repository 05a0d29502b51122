#pragma once
// The About window, created hidden at start-up.
#include "toolkit/window.h"

namespace modes {

class TForm3 {
 public:
  TForm3();

  toolkit::Window Self;
};

}  // namespace modes
