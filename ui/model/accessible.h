// What a screen reader is told about a control: its accessible description.
//
// Each control that a reader should understand has a description, a small
// portable object with no window behind it, so host tests can read it in
// every state of the control. The Windows side turns it into the system's
// accessibility objects (answering WM_GETOBJECT) and raises the events a
// reader listens to; nothing here knows of either.
//
// An element is the control itself (child id 0) or one of its parts that
// has no window of its own (child ids 1..ChildCount(): a toolbar's buttons,
// a menu's items, the visible rows of a list, a frame's close button).
// Bounds are in the client coordinates of the control's window. Texts are
// in the program's code page (1251), as everywhere else in the program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/rect.h"

namespace ui {

enum class AccessibleRole : std::uint8_t {
  kClient,  // a plain area with nothing more to say
  kWindow,
  kPane,
  kMenuBar,
  kPopupMenu,
  kMenuItem,
  kSeparator,
  kComboBox,
  kList,
  kListItem,
  kEditableText,  // text the user can type into (also read-only text: see kReadOnly)
  kStaticText,
  kStatusBar,
  kPushButton,
  kLink,
};

// Bits of AccessibleElement::states.
enum AccessibleState : std::uint32_t {
  kAccessibleUnavailable = 1u << 0,
  kAccessibleInvisible = 1u << 1,
  kAccessibleFocusable = 1u << 2,
  kAccessibleFocused = 1u << 3,
  kAccessibleSelectable = 1u << 4,
  kAccessibleSelected = 1u << 5,
  kAccessibleHotTracked = 1u << 6,
  kAccessibleHasPopup = 1u << 7,
  kAccessibleExpanded = 1u << 8,
  kAccessibleCollapsed = 1u << 9,
  kAccessibleChecked = 1u << 10,
  kAccessibleReadOnly = 1u << 11,
  kAccessibleLinked = 1u << 12,
  kAccessiblePressed = 1u << 13,
};

struct AccessibleElement {
  AccessibleRole role = AccessibleRole::kClient;
  std::string name;
  std::string value;
  std::uint32_t states = 0;       // AccessibleState bits
  std::string default_action;     // what DoDefaultAction does, in words; empty: none
  base::Rect bounds;              // in the control window's client coordinates
  std::string keyboard_shortcut;  // empty: none
};

class AccessibleDescription {
 public:
  virtual ~AccessibleDescription() = default;

  // The control itself.
  virtual AccessibleElement Self() const = 0;
  // Its parts without windows of their own: child ids 1..ChildCount().
  virtual int ChildCount() const { return 0; }
  // The part `child` (1..ChildCount()); callers check the range first.
  virtual AccessibleElement Child(int /*child*/) const { return {}; }
  // The part that has the focus inside the control (0: the control itself
  // or none).
  virtual int FocusedChild() const { return 0; }
  // The selected parts (a list's highlighted row).
  virtual std::vector<int> SelectedChildren() const { return {}; }
  // The part at `point` (client coordinates): its id, 0 for the control
  // itself, -1 outside it.
  virtual int HitTest(base::Point point) const;
  // Does the default action of the control (0) or of a part; false when it
  // has none. Runs what the user's click would run.
  virtual bool DoDefaultAction(int /*child*/) { return false; }
};

}  // namespace ui
