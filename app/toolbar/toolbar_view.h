// ToolbarView: a TTBToolbar on screen (Windows only): a docked bar of its
// top-level items shown as text buttons in the system's menu font, each
// (text width + 12) × (text height + 9) pixels. The item under the pointer
// is highlighted in the skin's colours. Clicking a submenu item opens the
// menu of its child items under it; clicking a command item, or choosing one
// from a menu, runs it once the mouse and menu tracking has ended: the
// choice is posted to the bar and run when that message arrives. A press on
// free space between the items drags the bar as its handle does, and a
// double-click there floats a docked bar. The bar answers WM_GETTEXT with its
// items' captions separated by tabs.
#pragma once

#include <windows.h>

#include <vector>

#include "app/toolbar/dockable_view.h"
#include "app/toolbar/tb_item.h"
#include "app/toolbar/tb_toolbar.h"

namespace app {

class ToolbarView final : public DockableView {
 public:
  ToolbarView(TTBToolbar& toolbar, ui::FormWindow& form) : DockableView(toolbar, form), toolbar_(toolbar) {}
  ~ToolbarView() override;

  Size ContentSize(TTBDockPosition side) const override;

  // The top-level items in order, with their places in the client area.
  struct Button {
    TTBItem* item;
    RECT place;
  };
  const std::vector<Button>& Buttons() const { return buttons_; }

  // Runs `item` the way a click does: after the current message, from the
  // bar's own queue.
  void PostClick(TTBItem& item);

 protected:
  void CreateWindowIn(HWND parent, bool top_level) override;
  void OnPaint(HDC dc) override;
  bool OnEraseBackground(HDC) override { return true; }  // OnPaint fills every pixel
  bool OnMouseDown(const ui::MouseInput& input) override;
  bool OnDblClick(const ui::MouseInput& input) override;
  bool OnMouseUp(const ui::MouseInput& input) override;
  bool OnMouseMove(const ui::MouseInput& input) override;
  void OnMouseLeave() override;
  void OnCaptureChanged(HWND new_capture) override;
  void OnCancelMode() override;
  LRESULT OnOtherMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void MeasureButtons();
  int ButtonAt(POINT client) const;
  void SetHot(int index);
  void OpenMenu(int index);
  void RunPostedClick();

  TTBToolbar& toolbar_;
  ui::GdiObject<HFONT> menu_font_;
  std::vector<Button> buttons_;
  int hot_ = -1;
  int pressed_ = -1;
  int open_ = -1;
  TTBItem* posted_ = nullptr;
};

// The items whose record is nested in `parent`'s, in reading order.
std::vector<TTBItem*> ChildItems(const base::TComponent& window, const base::TComponent* parent);

}  // namespace app
