#include "modes/tform5.h"

#include "base/cp1251.h"

namespace modes {

TForm5::TForm5() { Self.setCaption(base::ru("Ввод имени")); }

}  // namespace modes
