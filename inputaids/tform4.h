#pragma once
// The virtual keyboard, created hidden at start-up.
#include "toolkit/window.h"

namespace inputaids {

class TForm4 {
 public:
  TForm4();

  toolkit::Window Self;
};

}  // namespace inputaids
