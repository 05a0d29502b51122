#include "modes/tform3.h"

#include "base/cp1251.h"

namespace modes {

TForm3::TForm3() { Self.setCaption(base::ru("О программе")); }

}  // namespace modes
