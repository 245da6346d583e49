// TControl: what every visible element of a window keeps from its
// description (place, size, alignment, colour, font, cursor, caption,
// visibility) and its parent, the control in whose record it was nested.
// TWinControl adds what only controls that can take the focus have: tab
// order and the 3-D border.
//
// Live properties: the description fills the plain members while it is
// read; code that changes a control at run time goes through the setters,
// which tell the control's peer (its view on screen) what changed, through
// the one notification ControlPeer::Changed(). A control without a peer just
// keeps the new values.
//
// Events: the view turns the platform's mouse messages into calls of
// MouseDown(), MouseUp(), Click(), DblClick(), MouseEnter() and MouseLeave(),
// which raise the handlers a description bound (OnClick, OnMouseDown, ...).
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "base/component.h"
#include "resources/class_info.h"
#include "resources/event.h"
#include "ui/model/colors.h"
#include "ui/model/cursors.h"
#include "ui/model/font.h"

namespace ui {

enum class TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum class TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };
enum class TBorderStyle : std::uint8_t { bsNone, bsSingle };

// Shift-state bits passed to mouse and key handlers (as 1u << bit).
enum TShiftBit : std::uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = std::uint32_t;
inline constexpr bool HasShift(TShiftState state, TShiftBit bit) {
  return (state >> bit) & 1u;
}

using TNotifyEvent = resources::TEvent<base::TComponent*>;
using TMouseEvent = resources::TEvent<base::TComponent*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = resources::TEvent<base::TComponent*, TShiftState, int, int>;
using TKeyPressEvent = resources::TEvent<base::TComponent*, char&>;

// Element tables shared by the controls' property tables.
std::span<const resources::NamedValue> AlignNames();
std::span<const resources::NamedValue> AlignmentNames();
std::span<const resources::NamedValue> BorderStyleNames();

// What changed on a control, as its peer hears it.
enum class ControlChange : std::uint8_t {
  kBounds,  // left, top, width, height
  kVisible,
  kEnabled,
  kColor,
  kFont,
  kText,       // caption or text content
  kAlignment,  // text alignment (an edit control is re-created for it)
  kCursor,
  kParent,     // moved to another parent control
  kFocusMark,  // a label holds (or stopped holding) its window's own focus
};

// What shows a control on screen, told when the control changes in a way
// the screen must follow.
class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void Changed(ControlChange what) = 0;
};

// What kind of length a description stores, for scaling it to the density
// of a screen (ui::StoredLengths).
enum class LengthKind : std::uint8_t {
  kPosition,        // a coordinate: only rounded
  kLength,          // an extent, a border, a font height: non-zero stays non-zero
  kPositionOrNone,  // a place where a negative value means "none" and stays so
};
using LengthVisitor = std::function<void(std::int32_t& value, LengthKind kind)>;

class TControl : public base::TComponent {
 public:
  using TComponent::TComponent;

  // Stored values; change them at run time through the setters below.
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  TAlign align = TAlign::alNone;
  TColor color = clBtnFace;
  // The scheme's pair that replaces `color` and the font colour where they
  // must give way (high contrast, an unreadable pair); set with the colour.
  SchemePair scheme_pair = SchemePair::kAuto;
  TFont font;
  TCursor cursor = crDefault;
  std::string caption;  // shown by the controls that have one (labels, panels, windows)
  bool parent_font = true;
  bool parent_color = false;
  bool visible = true;
  bool enabled = true;

  TNotifyEvent on_click;
  TNotifyEvent on_dbl_click;
  TMouseEvent on_mouse_down;
  TMouseEvent on_mouse_up;
  TMouseMoveEvent on_mouse_move;
  TNotifyEvent on_mouse_enter;
  TNotifyEvent on_mouse_leave;

  // The control whose record held this one (the window for top-level
  // controls); null for a window itself or when nested in a non-control.
  TControl* Parent() const { return parent_; }
  // The component whose record held this one, whatever its class.
  base::TComponent* ParentComponent() const { return parent_component_; }
  void SetParentComponent(base::TComponent* parent) override;
  // Moves the control into another parent control at run time (null: none);
  // the peer follows (kParent).
  void SetParent(TControl* parent);

  // A font stored for the control itself ("Font.Name") makes it stop taking
  // its parent's font.
  TFont* Font() {
    parent_font = false;
    return &font;
  }
  // The font the control shows text in: its own, or its parent's when it
  // takes its parent's.
  const TFont& EffectiveFont() const;
  // The colour it fills its area with: its own, or its parent's when it
  // takes its parent's.
  TColor EffectiveColor() const;

  // Setters that reach the screen; each does nothing when the value stays.
  void SetBounds(std::int32_t new_left, std::int32_t new_top, std::int32_t new_width,
                 std::int32_t new_height);
  void SetVisible(bool value);
  void SetEnabled(bool value);
  // `pair`: the scheme's pair that stands in for the new colour (a mark
  // under the pointer is drawn in the highlight pair where colours give way).
  void SetColor(TColor value, SchemePair pair = SchemePair::kAuto);
  // Gives the control its own font (it no longer takes its parent's).
  void SetFont(const TFont& value);
  void SetCursor(TCursor value);
  void SetCaption(std::string value);

  // Calls `visit` on every length the control's description stores (place,
  // size, font height, and what a derived class adds), in the same order
  // each time. A derived class calls its base first.
  virtual void VisitLengths(const LengthVisitor& visit);

  // Raised by the view (or by tests) as the user acts on the control.
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseEnter();
  virtual void MouseLeave();

  // The peer is not owned; it detaches itself (null) before it goes.
  void SetPeer(ControlPeer* peer) { peer_ = peer; }
  ControlPeer* Peer() const { return peer_; }

  // The parent control going first leaves this one without a parent.
  void Notification(base::TComponent* component, base::TOperation operation) override;

  const char* ClassName() const override { return "TControl"; }
  static const resources::ClassInfo& Class();

 protected:
  // Tells the peer, if any.
  void Changed(ControlChange what);

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
