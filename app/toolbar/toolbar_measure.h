// How a toolbar's items measure on a screen of a given density (Windows
// only): each a text button in the system's menu font for that density, its
// margins scaled to it (TextItemSize). The toolbar's view measures its items
// with these, and a test that works out a window's expected layout
// (app/forms/scaled_form_layout.h) passes ToolbarMeasureAt to it, so the
// expectation and the window measure alike.
#pragma once

#include <windows.h>

#include <functional>
#include <span>
#include <vector>

#include "app/docking/tb_dock.h"
#include "app/menus/tb_item.h"
#include "app/toolbar/tb_toolbar.h"
#include "base/rect.h"
#include "ui/model/dpi_scale.h"

namespace app {

// The menu font at `scale`'s density; the caller owns it.
HFONT CreateMenuFont(const ui::DpiScale& scale);

// The size of each of `items` as a text button in `font` at `scale`.
std::vector<ItemSize> MeasureTextItems(std::span<TTBItem* const> items, HFONT font,
                                       const ui::DpiScale& scale);

// The client size a docked toolbar of `toolbar`'s items (the components of
// its owner nested in it) takes on a dock's `side` at `scale` when its dock
// is long enough for all of them.
base::Size DockedToolbarSize(const TTBToolbar& toolbar, TTBDockPosition side, const ui::DpiScale& scale);

// DockedToolbarSize at `scale`, in the shape a layout's toolbar measure has.
std::function<base::Size(const TTBToolbar&, TTBDockPosition)> ToolbarMeasureAt(const ui::DpiScale& scale);

}  // namespace app
