// ControlAccessible: the description of a control that tells a reader no more
// than its kind, a name and whether it is shown and enabled: labels (static
// text), panels, docks and tool windows (panes), a window's client area. The
// descriptions of the other kinds start from ControlElement() too. (A name
// that comes from the label above a control: ui/controls/label/label_accessible.h.)
#pragma once

#include <string>
#include <utility>

#include "ui/model/accessible.h"
#include "ui/model/control.h"

namespace ui {

// The element of `control` itself: `role`, `name`, its box in its own
// client coordinates, unavailable while disabled, invisible while hidden.
AccessibleElement ControlElement(const TControl& control, AccessibleRole role, std::string name);

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
