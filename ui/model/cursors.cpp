#include "ui/model/cursors.h"

namespace ui {

std::span<const resources::NamedValue> CursorNames() {
  static constexpr resources::NamedValue kNames[] = {
      {"crDefault", crDefault},   {"crNone", crNone},           {"crArrow", crArrow},
      {"crCross", crCross},       {"crIBeam", crIBeam},         {"crSizeNESW", crSizeNESW},
      {"crSizeNS", crSizeNS},     {"crSizeNWSE", crSizeNWSE},   {"crSizeWE", crSizeWE},
      {"crUpArrow", crUpArrow},   {"crHourGlass", crHourGlass}, {"crNo", crNo},
      {"crAppStart", crAppStart}, {"crHelp", crHelp},           {"crHandPoint", crHandPoint},
      {"crSizeAll", crSizeAll},
  };
  return kNames;
}

}  // namespace ui
