// The views that put the program's controls on screen (Windows only).
#pragma once

#include "ui/framework/view_factory.h"

namespace app {

// Registers in `views` the view of every control class the two windows show.
void RegisterViewClasses(ui::ViewFactory& views);

}  // namespace app
