// ControlAccessible: the description of a control that tells a reader no more
// than its kind, a name and whether it is shown and enabled: labels (static
// text), panels, docks and tool windows (panes), a window's client area. The
// descriptions of the other kinds start from ControlElement() too.
//
// Names that come from a label: a reader hears a field by the caption the
// user sees next to it. The label is found by its place in the window's
// description: among the labels that share the control's parent, the one
// whose box ends above the control's top (at most the control's height
// above it) and overlaps it horizontally, the nearest first, then the one
// overlapping most. No label there: the control has no name.
#pragma once

#include <string>
#include <utility>

#include "ui/accessible.h"
#include "ui/control.h"

namespace ui {

class TLabel;

// The element of `control` itself: `role`, `name`, its box in its own
// client coordinates, unavailable while disabled, invisible while hidden.
AccessibleElement ControlElement(const TControl& control, AccessibleRole role, std::string name);

// The label that names `control` by the rule above, or null.
const TLabel* LabelAbove(const TControl& control);
// That label's caption, or "" without one.
std::string LabelledName(const TControl& control);
// The caption of the nearest control above `control` (its parent, theirs,
// ...) that has one, or "".
std::string EnclosingCaption(const TControl& control);

class ControlAccessible : public AccessibleDescription {
 public:
  ControlAccessible(const TControl& control, AccessibleRole role, std::string name)
      : control_(control), role_(role), name_(std::move(name)) {}

  AccessibleElement Self() const override { return ControlElement(control_, role_, name_); }

 private:
  const TControl& control_;
  AccessibleRole role_;
  std::string name_;
};

// A control whose click is its one command (a link, a mark that closes its
// window): its default action is the click, which runs its click handler.
class CommandAccessible final : public AccessibleDescription {
 public:
  CommandAccessible(TControl& control, AccessibleRole role, std::string name, std::string action)
      : control_(control), role_(role), name_(std::move(name)), action_(std::move(action)) {}

  AccessibleElement Self() const override;
  bool DoDefaultAction(int child) override;

 private:
  TControl& control_;
  AccessibleRole role_;
  std::string name_;
  std::string action_;
};

}  // namespace ui
