// DropDownView: a toolbar's drop-down menu on screen (Windows only), the view
// of a TTBDropDownWindow: a pop-up window of our own (not the system's menu)
// that is never activated (WS_EX_NOACTIVATE, MA_NOACTIVATE, shown with
// SW_SHOWNA) and never takes the focus, so the window the user works in
// keeps both.
//
// Drawing, every colour by its skin name (drop_down_layout.h has the sizes):
//   - the frame tcBorder, the body tcPopup, the image column tcImageList;
//   - captions in the menu font, tcMenuText, single line, no prefixes;
//   - separators: a 1-pixel line in tcSeparator;
//   - the highlighted item: its row inset 1 pixel at both ends, filled
//     tcSelItem and framed tcSelItemBorder;
//   - a checked item: the square in its image column (inset 2 left and
//     right, 1 top and bottom) filled tcSelItem and framed tcSelItemBorder,
//     tcSelPushed and tcSelPushedBorder while the item is highlighted, with
//     a 7 x 7 check mark in tcMenuText in its middle.
// Every pixel count is scaled to the density of the bar the menu opens from
// (which is where it opens), with its font.
//
// It decides nothing: while a menu is open the mouse is captured by this
// window (or by the toolbar), and what reaches it is handed to the toolbar's
// view (DropDownOwner) in screen coordinates; the toolbar's tracker then
// says what is highlighted and when the menu closes. It answers WM_GETTEXT
// with its rows' captions separated by tabs, a checked item's followed by
// " [x]".
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "app/menus/drop_down_layout.h"
#include "app/menus/tb_drop_down_window.h"
#include "app/skin/skin_colors.h"
#include "ui/framework/control_view.h"

namespace app {

enum class MenuPointerAction : std::uint8_t { kMove, kPress, kRelease };

// The view that drives a drop-down (its toolbar's).
class DropDownOwner {
 public:
  // The left button or the pointer acted at `screen` while the drop-down
  // held the capture.
  virtual void DropDownPointer(MenuPointerAction action, POINT screen) = 0;
  // The drop-down lost the capture to `new_capture` (null: none), was told
  // to cancel its modes, or the program stopped being the active one.
  virtual void DropDownLost(HWND new_capture) = 0;
  // A reader chose row `row` (its default action): as a click on it.
  virtual void DropDownChoose(int row) = 0;

 protected:
  ~DropDownOwner() = default;
};

class DropDownView final : public ui::ControlView {
 public:
  DropDownView(TTBDropDownWindow& menu, ui::FormWindow& form) : ControlView(menu, form), menu_(menu) {}
  ~DropDownView() override;

  // Shows `rows` (null: a separator) measured in `font` (kept by the caller
  // while the menu is open) for the button at `button` (screen) of a bar
  // running left to right (`horizontal_bar`, the menu goes below) or top to
  // bottom (beside it), kept on the monitor's work area. Nothing is
  // highlighted; the window is not activated.
  void Open(std::vector<TTBItem*> rows, HFONT font, const ui::DpiScale& scale, const RECT& button,
            bool horizontal_bar);
  // The density the menu was last opened at.
  ui::DpiScale WindowScale() const override { return scale_; }
  // Hides the window.
  void Close();
  bool IsOpen() const { return menu_.visible; }
  // Highlights row `row` (-1: none), repainting what changed.
  void SetHighlighted(int row);
  // The row (item or separator) under `screen`, or -1 when the point is not
  // over the open window.
  int RowAt(POINT screen) const;
  // The places of the rows, in window coordinates.
  const DropDownLayout& Layout() const { return layout_; }
  // The view that drives this drop-down: the one set here (a window menu's),
  // else its toolbar's; null when there is none.
  DropDownOwner* Owner() const;
  void SetOwner(DropDownOwner* owner) { owner_ = owner; }

 protected:
  void CreateWindowIn(HWND parent, bool top_level) override;
  void OnPaint(HDC dc) override;
  bool OnEraseBackground(HDC) override { return true; }  // OnPaint fills every pixel
  bool OnMouseDown(const ui::MouseInput& input) override;
  bool OnMouseUp(const ui::MouseInput& input) override;
  bool OnMouseMove(const ui::MouseInput& input) override;
  void OnCaptureChanged(HWND new_capture) override;
  void OnCancelMode() override;
  bool ShowsOwnText() const override { return true; }
  std::string ShownText() const override { return menu_.Text(); }
  // The menu leaves the activation where it is.
  bool ActivatesOnClick() const override { return false; }
  bool OnActivateApp(bool active) override;
  std::unique_ptr<ui::AccessibleDescription> MakeAccessible() override;

 private:
  void Pass(MenuPointerAction action, const ui::MouseInput& input);
  ui::TColor SkinColor(TTBColorIndex index) const;
  void PaintRow(HDC dc, std::size_t row);

  TTBDropDownWindow& menu_;
  DropDownLayout layout_;
  HFONT font_ = nullptr;
  ui::DpiScale scale_;
  DropDownOwner* owner_ = nullptr;
};

}  // namespace app
