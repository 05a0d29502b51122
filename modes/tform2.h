#pragma once
// The editor of the exchange settings, created hidden at start-up.
#include "toolkit/window.h"

namespace modes {

class TForm2 {
 public:
  TForm2();

  toolkit::Window Self;
};

}  // namespace modes
