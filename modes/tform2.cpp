#include "modes/tform2.h"

#include "base/cp1251.h"

namespace modes {

TForm2::TForm2() { Self.setCaption(base::ru("Редактор")); }

}  // namespace modes
