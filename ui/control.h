// TControl: what every visible element of a window keeps from its
// description (place, size, alignment, colour, font, visibility) and its
// parent, the control in whose record it was nested. TWinControl adds what
// only controls that can take the focus have: tab order and the 3-D border.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "base/component.h"
#include "resources/class_info.h"
#include "resources/event.h"
#include "ui/colors.h"
#include "ui/font.h"

namespace ui {

enum class TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum class TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };
enum class TBorderStyle : std::uint8_t { bsNone, bsSingle };

// Shift-state bits passed to mouse handlers.
enum TShiftBit : std::uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };

using TNotifyEvent = resources::TEvent<base::TComponent*>;
using TMouseEvent = resources::TEvent<base::TComponent*, TMouseButton, std::uint32_t, int, int>;
using TKeyPressEvent = resources::TEvent<base::TComponent*, char&>;

// Element tables shared by the controls' property tables.
std::span<const resources::NamedValue> AlignNames();
std::span<const resources::NamedValue> AlignmentNames();
std::span<const resources::NamedValue> BorderStyleNames();

// What shows a control on screen, told when the control changes in a way
// the screen must follow.
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void VisibilityChanged() = 0;
};

class TControl : public base::TComponent {
 public:
  using TComponent::TComponent;

  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  TAlign align = TAlign::alNone;
  TColor color = clBtnFace;
  TFont font;
  bool parent_font = true;
  bool parent_color = false;
  bool visible = true;
  bool enabled = true;

  // The control whose record held this one (the window for top-level
  // controls); null for a window itself or when nested in a non-control.
  TControl* Parent() const { return parent_; }
  // The component whose record held this one, whatever its class.
  base::TComponent* ParentComponent() const { return parent_component_; }
  void SetParentComponent(base::TComponent* parent) override;

  // A font stored for the control itself ("Font.Name") makes it stop taking
  // its parent's font.
  TFont* Font() {
    parent_font = false;
    return &font;
  }
  // The font the control shows text in: its own, or its parent's when it
  // takes its parent's.
  const TFont& EffectiveFont() const;

  // Shows or hides the control, and tells its peer.
  void SetVisible(bool value);
  // The peer is not owned; it detaches itself (null) before it goes.
  void SetPeer(ControlPeer* peer) { peer_ = peer; }

  const char* ClassName() const override { return "TControl"; }
  static const resources::ClassInfo& Class();

 private:
  base::TComponent* parent_component_ = nullptr;
  TControl* parent_ = nullptr;
  ControlPeer* peer_ = nullptr;
};

class TWinControl : public TControl {
 public:
  using TControl::TControl;

  std::int32_t tab_order = -1;  // -1: not stored
  bool tab_stop = false;        // Tab moves the focus here
  bool ctl3d = true;

  const char* ClassName() const override { return "TWinControl"; }
  static const resources::ClassInfo& Class();
};

}  // namespace ui
