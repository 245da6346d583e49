// TTBDockableWindow: what a toolbar and a tool window share: a caption shown
// while floating, the row and position they take in their dock, and how they
// may be dragged, floated and docked.
//
// A dockable window is docked while its parent control is a dock, and
// floating while its parent is the small frame window that carries it
// (TTBFloatingWindowParent); moving between the two is a change of parent
// (ui::TControl::SetParent), so its own state, size and children stay. It
// remembers the dock it last occupied (dropped when that dock is destroyed).
//
// Visibility is the window's own `visible`, docked or floating: a hidden
// window leaves its dock (the dock collapses) or its frame is hidden, and
// shows again where it was.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/docking/dock_layout.h"
#include "app/docking/floating_frame.h"
#include "app/docking/tb_dock.h"
#include "base/rect.h"
#include "ui/model/control.h"

namespace app {

using base::Rect;

enum class TTBDockMode : std::uint8_t { dmCanFloat, dmCannotFloat, dmCannotFloatOrChangeDocks };
enum class TTBFloatingMode : std::uint8_t { fmOnTopOfParentForm, fmOnTopOfAllForms };

class TTBDockableWindow : public ui::TWinControl {
 public:
  using TWinControl::TWinControl;

  std::int32_t dock_row = 0;
  std::int32_t dock_pos = -1;  // -1: at the end of its row
  DockSides dockable_to = kAllDockSides;
  TTBDockMode dock_mode = TTBDockMode::dmCanFloat;
  TTBFloatingMode floating_mode = TTBFloatingMode::fmOnTopOfParentForm;
  TTBDragHandleStyle drag_handle_style = TTBDragHandleStyle::dhSingle;
  bool close_button = true;
  bool close_button_when_docked = false;
  bool show_caption = true;
  bool resizable = true;
  bool smooth_drag = true;
  bool use_last_dock = true;
  bool hide_when_inactive = true;

  // The dock it sits in, or null while floating (or nowhere).
  TTBDock* CurrentDock() const { return dynamic_cast<TTBDock*>(Parent()); }
  bool Floating() const { return floating_; }
  // The dock it was in last (its current one while docked), or null.
  TTBDock* LastDock() const { return last_dock_; }
  // Where it goes when it docks with no last dock (the tool window's
  // DefaultDock); null when it has none.
  virtual TTBDock* DefaultDock() const { return nullptr; }
  // The dock a double-click on the floating caption docks it into.
  TTBDock* DockToReturnTo() const;
  // What its floating frame carries, for the frame's geometry: a tool
  // window's unless the kind of window says otherwise.
  virtual FloatingContent FloatingKind() const { return FloatingContent::kToolWindow; }

  // Puts the window into `dock` at `row` and `pos` (its new parent); it is
  // then docked and `dock` is its last dock.
  void DockInto(TTBDock& dock, int row, int pos);
  // Makes `frame` (the carrier of the floating window) its parent; it is
  // then floating. `frame` is made by the screen side and owned by the form.
  void FloatIn(ui::TWinControl& frame);

  // The floating frame's last place on the screen (its outer rectangle),
  // once it has floated.
  std::optional<Rect> floating_rect;

  void Loaded() override;
  // The last dock going first is forgotten.
  void Notification(base::TComponent* component, base::TOperation operation) override;

  // Adds its place in its dock's row (-1, the row's end, stays).
  void VisitLengths(const ui::LengthVisitor& visit) override;

  const char* ClassName() const override { return "TTBDockableWindow"; }
  static const resources::ClassInfo& Class();

 private:
  void SetLastDock(TTBDock* dock);

  bool floating_ = false;
  TTBDock* last_dock_ = nullptr;
};

}  // namespace app
