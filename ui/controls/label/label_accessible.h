// The name a label gives the control below it: a reader hears a field by the
// caption the user sees next to it. The label is found by its place in the
// window's description: among the labels that share the control's parent,
// the one whose box ends above the control's top (at most the control's
// height above it) and overlaps it horizontally, the nearest first, then the
// one overlapping most. No label there: the control has no name. (A label
// itself tells a reader its caption as static text: LabelView.)
#pragma once

#include <string>

#include "ui/controls/label/label.h"
#include "ui/model/control.h"

namespace ui {

// The label that names `control` by the rule above, or null.
const TLabel* LabelAbove(const TControl& control);
// That label's caption, or "" without one.
std::string LabelledName(const TControl& control);

}  // namespace ui
