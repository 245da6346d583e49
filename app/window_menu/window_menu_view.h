// WindowMenuView: the window menus of the main window's dockable windows on
// screen (Windows only), a thin adapter around the portable WindowMenu
// (its state table in window_menu.h).
//
// The application's message loop hands it every message before it
// translates and dispatches it (Route). Alt+- opens the menu of the first
// tool window of the main window (the result window), docked or floating,
// from whichever of the program's windows has the keyboard; while the
// toolbar's keyboard menu mode (F10) is on when Alt goes down, it opens the
// toolbar's menu instead. With the result window hidden Alt+- does nothing
// (and is swallowed: no beep). While the menu is open, or the arrows move or
// size a window, every key is the menu's and the keyboard focus stays where
// it was.
//
// The drop-down is the toolbars' own (DropDownView over a TTBDropDownWindow,
// made on first use and owned by the main window's form), drawn in the
// skin's colours and read by readers as the other menus are (a pop-up menu
// named by the window's caption); this view is its DropDownOwner. While the menu is open or a window is moved
// or sized from the keyboard, the drop-down's window holds the mouse capture: a press anywhere, the capture
// taken away, or another program becoming active ends what was going on as Esc would. End() does the same
// when the program closes.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <optional>

#include "app/menus/drop_down_view.h"
#include "app/menus/tb_drop_down_window.h"
#include "app/menus/tb_item.h"
#include "app/window_menu/dockable_menu_target.h"
#include "app/window_menu/window_menu.h"
#include "ui/framework/form_window.h"
#include "ui/framework/gdi.h"
#include "ui/framework/mouse_capture.h"

namespace app {

class WindowMenuView final : public DropDownOwner {
 public:
  // `owner` is the application (its MainWindow() is asked each time).
  explicit WindowMenuView(ui::FormOwner& owner) : owner_(owner) {}
  ~WindowMenuView();
  WindowMenuView(const WindowMenuView&) = delete;
  WindowMenuView& operator=(const WindowMenuView&) = delete;

  // Called by the message loop for every message: true when the message was
  // the menu's and is not to be dispatched.
  bool Route(const MSG& message);
  // The program closes: a move or size in progress ends as Esc, the menu
  // closes, and nothing is held (call before the windows go).
  void End();

  bool Active() const { return menu_ && menu_->Active(); }

  // DropDownOwner
  void DropDownPointer(MenuPointerAction action, POINT screen) override;
  void DropDownLost(HWND new_capture) override;
  void DropDownChoose(int row) override;

 private:
  ui::FormWindow* MainForm() const;
  // The view whose menu Alt+- opens now, or null (the result window hidden).
  DockableView* TargetFor(ui::FormWindow& main) const;
  bool OpenOrClose();
  void Key(WORD key);
  // Shows what the menu's state says (the drop-down, its highlight, the
  // capture) and carries out a chosen command once the drop-down is closed.
  void Apply(const WindowMenuEvents& events);
  void OpenDropDown();
  DropDownView* DropDown() const;

  ui::FormOwner& owner_;
  std::optional<DockableMenuTarget> target_;
  std::optional<WindowMenu> menu_;
  TTBDropDownWindow* drop_down_ = nullptr;            // owned by the main window's form
  std::array<TTBItem*, kWindowCommandCount> rows_{};  // likewise, held by opener_
  TTBItem* opener_ = nullptr;                         // likewise: names the menu
  ui::GdiObject<HFONT> font_;
  std::unique_ptr<ui::MouseCapture> capture_;
  bool alt_in_menu_mode_ = false;  // Alt went down while the toolbar's keyboard mode was on
  bool swallow_alt_up_ = false;    // the Alt of an Alt+- the menu took
};

}  // namespace app
