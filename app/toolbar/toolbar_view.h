// ToolbarView: a TTBToolbar on screen (Windows only), the program's menu bar.
//
// Its top-level items are text buttons in the system's menu font, each
// (text width + 12) x (text height + 9) pixels, one after the other along
// the bar; when the bar is shorter than they need (the main window made
// narrow: in a dock the bar is as long as the dock less its frame), the
// items that do not fit leave it and a chevron button at its end opens a
// drop-down holding them (toolbar_fit.h, toolbar_menu_bar.h). Drawing, every
// colour by its skin name: the bar tcToolbar, captions tcMenuText; the
// button under the pointer tcSelBar framed tcSelBarBorder, pressed
// tcSelPushed framed tcSelBarBorder, the one whose menu is open tcImageList
// framed tcBorder; the chevron is a button of the same looks with a double
// arrow in tcMenuText.
//
// Menu tracking. The behaviour is MenuTracker's (its state table is in
// menu_tracker.h); this view turns messages into its events and shows its
// state, with one DropDownView, made on first use, for every drop-down:
//   - Mouse: while the tracker is not idle the mouse is captured, by the
//     drop-down while one is open, else by the bar, so every move, press and
//     release reaches one of the two wherever it happens; either one hit-tests
//     the screen point (an item or separator of the open drop-down, a button
//     of the bar, or elsewhere) and feeds the tracker. Only the left button
//     counts.
//   - Keys: the window the user works in keeps the focus (taking it could
//     make a field refuse to be left). Instead the message loop hands key
//     messages to the bar while it tracks (RouteMenuKeys, called by the
//     application's loop before translating), and the bar gives Up, Down,
//     Left, Right, Enter and Esc to the tracker and swallows the rest; a key
//     with Alt held ends the tracking and goes on to the default handling.
//   - Ending: Esc, a click outside, the capture taken by another window,
//     WM_CANCELMODE (sent before an error box shows) or another program
//     becoming active end the tracking with nothing chosen.
//   - Keyboard menu mode (MenuKeyboardMode, its table in
//     menu_keyboard_mode.h): the bar is its window's key preview
//     (ui/framework/key_preview.h), so every key of the main window reaches it before
//     the focused control. F10 or a lone Alt makes the first button hot; from
//     then on the message loop hands every key to the bar (RouteMenuKeys)
//     until the mode ends, and the mode opens the drop-downs through the
//     tracker. The focus stays where it was all along, so leaving gives the
//     keyboard back to the same control (which hears of the mode's start as
//     of a click on the bar: the picker's open list closes). A mouse press on
//     any control of the window or the window losing the activation ends the
//     mode.
// When a drop-down opens, its items' check marks are refreshed (the
// item-update pass) and "MenuPopup" is requested. A choice is never run
// here: the drop-down closes, the capture is given back, and the item goes to
// the bar's ChosenItemRunner ("MenuCommand" when it came from an open
// drop-down), which runs it once its posted message arrives.
//
// Docking: a press on the bar's free space (between or after the items)
// drags the bar as its drag handle does, and a double-click there floats a
// docked bar (dock_drag.h). Floating, the bar shows every item, flowed into
// rows as wide as its client area, with no chevron.
//
// The bar answers WM_GETTEXT with the captions of the items on it separated
// by tabs.
//
// Density: the items are measured in the menu font of the bar's screen
// (toolbar_measure.h), docked the main window's, floating its frame's; the
// chevron, the buttons' frames and the drop-downs follow the same density,
// and the bar measures again when it changes.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "app/docking/dockable_view.h"
#include "app/menus/drop_down_view.h"
#include "app/menus/menu_keyboard_mode.h"
#include "app/menus/menu_sounds.h"
#include "app/menus/menu_tracker.h"
#include "app/menus/tb_drop_down_window.h"
#include "app/menus/tb_item.h"
#include "app/menus/toolbar_menu_bar.h"
#include "app/toolbar/tb_toolbar.h"
#include "app/toolbar/toolbar_fit.h"
#include "ui/framework/key_preview.h"

namespace ui {
class MouseCapture;
}

namespace app {

class ToolbarUtilityWindow;

class ToolbarView final : public DockableView, public DropDownOwner, public ui::KeyPreview {
 public:
  ToolbarView(TTBToolbar& toolbar, ui::FormWindow& form);
  ~ToolbarView() override;

  Size ContentSize(TTBDockPosition side) const override;
  // Floating, the bar may be resized down to one pixel each way, and its
  // items flow to the size asked for (FloatingToolbarSize in toolbar_fit.h).
  Size FloatingMinClient() const override { return Size{1, 1}; }
  std::optional<Size> FloatingFit(Size wanted, bool by_width) const override;

  // The items on the bar in order, with their places in the client area.
  struct Button {
    TTBItem* item;
    RECT place;
  };
  const std::vector<Button>& Buttons() const { return buttons_; }
  // The chevron's place in the client area; empty while every item fits.
  RECT ChevronPlace() const;
  // The items behind the chevron, in order.
  std::vector<TTBItem*> ChevronItems() const;

  const MenuTracker& Tracker() const { return tracker_; }
  // The keyboard's menu mode; an observer set on it (SetObserver) hears the
  // mode start, its hot button change and the mode end.
  const MenuKeyboardMode& KeyboardMode() const { return mode_; }
  MenuKeyboardMode& KeyboardMode() { return mode_; }
  // The drop-down's window (made when a menu first opens), or null.
  HWND DropDownHandle() const;

  // The toolbar view that tracks its menus while `capture` (the window
  // holding the mouse capture) is its bar or its drop-down, or null.
  static ToolbarView* TrackingBar(HWND capture);

  // The skin's colours worked out again (the form heard of new system colours).
  void OnSystemColorsChanged() override;
  // The menu font made and the items measured again at the new density.
  void OnDensityChanged() override;

 protected:
  void CreateWindowIn(HWND parent, bool top_level) override;
  // Fits the items into the bar's length whenever its size changes.
  void AlignChildren() override;
  void OnPaint(HDC dc) override;
  bool OnEraseBackground(HDC) override { return true; }  // OnPaint fills every pixel
  bool OnMouseDown(const ui::MouseInput& input) override;
  bool OnMouseUp(const ui::MouseInput& input) override;
  bool OnDblClick(const ui::MouseInput& input) override;
  bool OnMouseMove(const ui::MouseInput& input) override;
  void OnMouseLeave() override;
  bool OnKeyDown(WORD key, ui::TShiftState shift) override;
  bool OnKeyUp(WORD key, ui::TShiftState shift) override;
  bool OnChar(char& key) override;
  LRESULT OnGetDlgCode(LRESULT standard) override;
  void OnCaptureChanged(HWND new_capture) override;
  void OnCancelMode() override;
  bool ShowsOwnText() const override { return true; }
  std::string ShownText() const override;

 public:
  // DropDownOwner: what reaches the drop-down while it holds the capture.
  void DropDownPointer(MenuPointerAction action, POINT screen) override;
  void DropDownLost(HWND new_capture) override;
  void DropDownChoose(int row) override;

 protected:
  std::unique_ptr<ui::AccessibleDescription> MakeAccessible() override;

  // ui::KeyPreview: the main window's keys and presses, for the keyboard's
  // menu mode.
  bool PreviewKey(ui::ControlView& view, const ui::KeyInput& key_input) override;
  void PreviewPress(ui::ControlView& view) override;
  void PreviewDeactivated() override;

 private:
  // What the bar shows of the tracker's state, to repaint only on a change.
  struct Look {
    int hot = -1;
    int pressed = -1;
    int open = -1;
    friend bool operator==(const Look&, const Look&) = default;
  };
  Look CurrentLook() const;
  // The button drawn hot: the keyboard mode's on the bar, else the tracker's.
  int ShownHot() const;
  // What readers were last told of the tracking: menu start and end, the
  // button whose drop-down is open (expanded) and the one they are on.
  struct Announced {
    bool tracking = false;
    int open = -1;
    int current = -1;
  };
  void AnnounceTracking();

  HFONT MenuFont() const;
  // Makes the menu font for the bar's density and measures the items in it;
  // nothing when both are already of that density.
  void MeasureForDensity();
  // The bar's orientation and the length it may take.
  bool Horizontal() const;
  int AvailableLength() const;
  void FitItems(int length);
  // Where `screen` is, for the tracker.
  MenuPointer PointerAt(POINT screen) const;
  MenuPointer PointerAtClient(POINT client) const;
  // A move of the pointer to `screen`, from the bar's or the drop-down's messages.
  void PointerMoved(POINT screen);
  // Feeds one event's outcome to the screen: the drop-down, the capture, the
  // look of the bar, the sounds and the chosen item.
  void Apply(const MenuEvents& events);
  void OpenDropDown(int button);
  void SyncCapture();
  void RunChoice(const MenuChoice& choice);
  // Menu mode began: the focused control hears of it as of a click elsewhere.
  void TellFocusedControlOfTheMenus();
  bool IsOurs(HWND window) const;
  bool WindowEnabled() const;
  DropDownView* DropDown() const;
  RECT ButtonScreenRect(int button) const;
  RECT ButtonPlace(int button) const;
  void PaintChevron(HDC dc, const RECT& place);

  TTBToolbar& toolbar_;
  ToolbarMenuBar bar_;
  MenuTracker tracker_;
  MenuKeyboardMode mode_;
  ui::GdiObject<HFONT> menu_font_;
  ui::DpiScale measured_at_;     // the density of menu_font_ and sizes_
  std::vector<ItemSize> sizes_;  // of every top-level item, in the menu font
  std::vector<Button> buttons_;
  Rect chevron_;
  Look look_;  // as last painted
  Announced announced_;
  std::unique_ptr<ui::MouseCapture> capture_;  // held for the tracking, by the bar or its drop-down
  std::optional<POINT> last_move_;             // where the pointer last moved to (screen)
  TTBDropDownWindow* drop_down_ = nullptr;     // owned by the form, made on first use
  MenuSounds sounds_;                          // "MenuPopup" as a drop-down opens
  ToolbarUtilityWindow* utility_ = nullptr;    // owned by the form, made with the first choice
  bool skin_colors_known_ = false;             // worked out when the bar's first window was made
};

// The message loop's part in menu tracking: while a toolbar tracks its menus
// (it or its drop-down holds the mouse capture) or its window's keyboard menu
// mode is on, a key message is handed to the toolbar's window instead of the
// window with the focus. Call it before TranslateMessage, so the characters
// follow the keys. Other messages, and keys while no toolbar tracks, are left
// as they are.
void RouteMenuKeys(MSG& message);

}  // namespace app
