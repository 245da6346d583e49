// ScaledFormLayout: where every control of a window goes at a screen
// density, worked out from the window's description alone. The Windows side
// gives it the window's density and applies the rectangles; host tests read
// it directly.
//
// Every stored place, size, client size and font height is scaled from the
// stored 96 pixels per inch by ui::DpiScale (each from its stored value), and
// the window's own layout rules then run on the scaled pixels unchanged:
//   - aligned controls stack along their edges of the parent's client area
//     (ui/model/align_layout.h), the others keep their scaled place and size;
//   - a dock is as thick as its rows (app/docking/dock_layout.h), its windows
//     framed by the docked border and drag-handle strip at that density; a
//     tool window's thickness is its stored client height scaled, a full-size
//     one spans its dock;
//   - a dockable window's content fills the client area inside that frame;
//   - a panel with a flat single border keeps a 1-pixel system border at
//     every density (a 3-D one the 2-pixel edge, scaled).
// A docked toolbar's size comes from its items' texts in the menu font the
// system gives at that density, which only the Windows side can measure;
// without a measure the toolbar fills its dock's stored thickness, scaled,
// along the whole row.
//
// It reads each control's left, top, width and height as the stored values.
// The screen side changes those of aligned controls and docks as it lays the
// window out, so it must keep what the description gave (or lay out before
// its first alignment) and hand that over, never values it scaled itself.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "app/docking/tb_dock.h"
#include "app/toolbar/tb_toolbar.h"
#include "base/rect.h"
#include "ui/model/control.h"
#include "ui/model/dpi_scale.h"
#include "ui/model/form.h"

namespace app {

struct PlacedControl {
  const ui::TControl* control = nullptr;
  // In the parent's client area: the form's, a dock's (for its windows), a
  // dockable window's inside its frame (for its content).
  base::Rect bounds;
  // The client area its own children are placed in.
  base::Size client;
  // The height of the font it shows text in, scaled (negative: character
  // height; 0: the default font).
  int font_height = 0;
};

struct ScaledFormLayout {
  ui::DpiScale scale;
  base::Size client;                    // the window's client area
  std::vector<PlacedControl> controls;  // every control, parents before their children
  // The control of that name (ASCII case ignored), or null.
  const PlacedControl* Find(std::string_view name) const;
};

// The client size of a docked toolbar on a dock's `side` at the layout's
// density, as the system's menu font makes its items.
using ToolbarMeasure = std::function<base::Size(const TTBToolbar&, TTBDockPosition side)>;

// Lays out `form` and every control in it at `scale`.
ScaledFormLayout LayOutScaled(const ui::TForm& form, const ui::DpiScale& scale,
                              const ToolbarMeasure& measure_toolbar = {});

}  // namespace app
