#include "inputaids/tform4.h"

#include "base/cp1251.h"

namespace inputaids {

TForm4::TForm4() { Self.setCaption(base::ru("Виртуальная клавиатура")); }

}  // namespace inputaids
