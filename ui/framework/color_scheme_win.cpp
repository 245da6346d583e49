#include <windows.h>

#include "ui/framework/color_scheme.h"
#include "ui/framework/platform_services.h"

namespace ui {

ColorScheme CurrentColorScheme(const base::TComponent& component) {
  ColorScheme scheme;
  for (std::uint32_t index = 0; index < ColorScheme::kIndices; ++index) {
    scheme.system[index] = GetSysColor(static_cast<int>(index));
  }
  DisplaySettings* display = ServicesOf(component).display;
  scheme.high_contrast = display && display->HighContrast();
  return scheme;
}

}  // namespace ui
