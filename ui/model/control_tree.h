// The tree of a window's controls as its description nests them, and the
// order in which the Tab key visits them.
#pragma once

#include <vector>

#include "base/component.h"
#include "ui/model/control.h"

namespace ui {

// The controls among `root`'s components whose parent is `parent` (null: the
// controls with no parent control), in the order they were read.
std::vector<TControl*> ChildControls(const base::TComponent& root, const TControl* parent);

// The windowed children of `parent` in tab order. Each child joins the end of
// the list when it is read; a stored TabOrder then moves it to that place
// (clamped to the list as it stands), so unstored ones keep their reading order.
std::vector<TWinControl*> TabOrderedChildren(const base::TComponent& root, const TControl* parent);

// Every windowed control of `root` in tab order: each control, then its own
// children in tab order, depth first.
std::vector<TWinControl*> TabOrderList(const base::TComponent& root, const TControl* top);

// True when `control`, it and every parent up to the window being visible and
// enabled, can take the focus from the Tab key.
bool CanTabTo(const TWinControl& control);

// The control the Tab key moves to from `current` (forward, or backward for
// Shift+Tab), cycling through `list`; `current` null or not in the list
// starts at the list's end (forward) or start (backward). Null when no
// control in the list can take the focus.
TWinControl* NextTabStop(const std::vector<TWinControl*>& list, const TWinControl* current, bool forward);

}  // namespace ui
