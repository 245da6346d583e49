// The desktop's colour scheme as the colour rule reads it (Windows only).
#pragma once

#include "base/component.h"
#include "ui/model/color_rule.h"

namespace ui {

// Every system colour as the desktop has it now, and high contrast as the
// display settings of `component`'s services report it (ServicesOf).
ColorScheme CurrentColorScheme(const base::TComponent& component);

}  // namespace ui
