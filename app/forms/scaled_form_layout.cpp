#include "app/forms/scaled_form_layout.h"

#include <algorithm>

#include "app/docking/dock_layout.h"
#include "app/docking/tb_dockable_window.h"
#include "app/docking/tb_tool_window.h"
#include "base/component.h"
#include "ui/controls/panel/panel.h"
#include "ui/model/align_layout.h"
#include "ui/model/control_tree.h"

namespace app {

namespace {

class Layouter {
 public:
  Layouter(const ui::TForm& form, const ToolbarMeasure& measure, ScaledFormLayout& out)
      : form_(form), scale_(out.scale), measure_(measure), out_(out) {}

  // Places the children of `parent` in its client area of `client`.
  void Children(const ui::TControl& parent, base::Size client) {
    const std::vector<ui::TControl*> children = ui::ChildControls(form_, &parent);
    if (const auto* dock = dynamic_cast<const TTBDock*>(&parent)) {
      DockChildren(*dock, children, client);
      return;
    }
    std::vector<ui::AlignedBox> boxes;
    for (const ui::TControl* child : children) {
      ui::AlignedBox box{Stored(*child), child->align, child->visible};
      if (const auto* dock = dynamic_cast<const TTBDock*>(child)) {
        // A dock is as thick as its rows, whatever thickness it was stored
        // with; a bottom or right one keeps its outer edge, so it keeps its
        // place among the controls aligned to the same edge.
        const bool horizontal = IsHorizontal(dock->position);
        const int thickness = LayOutDock(*dock, horizontal ? client.width : client.height).thickness;
        base::Rect& r = box.bounds;
        switch (dock->position) {
          case TTBDockPosition::dpTop:
            r.bottom = r.top + thickness;
            break;
          case TTBDockPosition::dpBottom:
            r.top = r.bottom - thickness;
            break;
          case TTBDockPosition::dpLeft:
            r.right = r.left + thickness;
            break;
          case TTBDockPosition::dpRight:
            r.left = r.right - thickness;
            break;
        }
      }
      boxes.push_back(box);
    }
    ui::AlignBoxes(boxes, client.width, client.height);
    for (std::size_t i = 0; i < children.size(); ++i) {
      Place(*children[i], boxes[i].bounds, ClientOf(*children[i], boxes[i].bounds));
    }
  }

 private:
  base::Rect Stored(const ui::TControl& c) const {
    return scale_.Scale(base::Rect::At({c.left, c.top}, {c.width, c.height}));
  }

  void Place(const ui::TControl& control, const base::Rect& bounds, base::Size client) {
    out_.controls.push_back(
        PlacedControl{&control, bounds, client, scale_.FontHeight(control.EffectiveFont().height)});
    Children(control, client);
  }

  base::Size ClientOf(const ui::TControl& control, const base::Rect& bounds) const {
    if (const auto* panel = dynamic_cast<const ui::TPanel*>(&control);
        panel && panel->border_style == ui::TBorderStyle::bsSingle) {
      const int border = panel->ctl3d ? scale_.Length(2) : 1;
      const base::Rect inner = bounds.Grown(-border);
      return {std::max(0, inner.Width()), std::max(0, inner.Height())};
    }
    return bounds.Extent();
  }

  // The layout of `dock`'s windows for a dock `length` long; `windows`, when
  // given, receives them in the order of the layout's items.
  DockLayout LayOutDock(const TTBDock& dock, int length,
                        std::vector<const TTBDockableWindow*>* windows = nullptr) const {
    const bool horizontal = IsHorizontal(dock.position);
    std::vector<DockItem> items;
    for (const ui::TControl* child : ui::ChildControls(form_, &dock)) {
      const auto* window = dynamic_cast<const TTBDockableWindow*>(child);
      if (!window) continue;
      if (windows) windows->push_back(window);
      DockItem item;
      item.row = window->dock_row;
      item.pos = window->dock_pos < 0 ? window->dock_pos : scale_.Position(window->dock_pos);
      item.visible = window->visible;
      item.handle = DragHandleWidth(window->drag_handle_style, window->close_button_when_docked, scale_);
      if (const auto* tool = dynamic_cast<const TTBToolWindow*>(window)) {
        item.full_size = tool->full_size;
        item.client = scale_.Scale(base::Size{tool->client_area_width, tool->client_area_height});
        if (!horizontal) std::swap(item.client.width, item.client.height);
      } else if (const auto* toolbar = dynamic_cast<const TTBToolbar*>(window); toolbar && measure_) {
        item.client = measure_(*toolbar, dock.position);
      } else {
        // Unmeasured: the dock's stored thickness, the row's whole length.
        const base::Size frame = DockedOuterSize({}, dock.position, item.handle, scale_);
        const int across = scale_.Length(horizontal ? dock.height : dock.width);
        item.client = horizontal
                          ? base::Size{std::max(0, length - frame.width), std::max(0, across - frame.height)}
                          : base::Size{std::max(0, across - frame.width), std::max(0, length - frame.height)};
      }
      items.push_back(item);
    }
    return LayoutDock(dock.position, length, dock.fix_align, items, scale_);
  }

  void DockChildren(const TTBDock& dock, const std::vector<ui::TControl*>& children, base::Size client) {
    std::vector<const TTBDockableWindow*> windows;
    const DockLayout layout =
        LayOutDock(dock, IsHorizontal(dock.position) ? client.width : client.height, &windows);
    for (std::size_t i = 0; i < windows.size(); ++i) {
      const base::Rect outer = layout.windows[i];
      const int handle =
          DragHandleWidth(windows[i]->drag_handle_style, windows[i]->close_button_when_docked, scale_);
      const base::Rect inner =
          DockedClientRect(base::Rect::At({}, outer.Extent()), dock.position, handle, scale_);
      Place(*windows[i], outer, windows[i]->visible ? inner.Extent() : base::Size{});
    }
    // Anything else nested in a dock keeps its scaled stored place.
    for (const ui::TControl* child : children) {
      if (!dynamic_cast<const TTBDockableWindow*>(child)) {
        Place(*child, Stored(*child), Stored(*child).Extent());
      }
    }
  }

  const ui::TForm& form_;
  const ui::DpiScale& scale_;
  const ToolbarMeasure& measure_;
  ScaledFormLayout& out_;
};

}  // namespace

const PlacedControl* ScaledFormLayout::Find(std::string_view name) const {
  for (const PlacedControl& placed : controls) {
    if (base::SameNameIgnoringAsciiCase(placed.control->Name(), name)) return &placed;
  }
  return nullptr;
}

ScaledFormLayout LayOutScaled(const ui::TForm& form, const ui::DpiScale& scale,
                              const ToolbarMeasure& measure_toolbar) {
  ScaledFormLayout layout;
  layout.scale = scale;
  layout.client = scale.Scale(base::Size{form.client_width, form.client_height});
  Layouter(form, measure_toolbar, layout).Children(form, layout.client);
  return layout;
}

}  // namespace app
