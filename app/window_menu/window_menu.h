// WindowMenu: the window menu of a dockable window (the result window, the
// toolbar) and the keyboard moves and sizes it starts, without windows.
//
// Alt+- opens a drop-down of four commands for the window: "Переместить",
// "Размер", "Открепить" (docked) or "Закрепить" (floating), and "Скрыть".
// The drop-down is a toolbar's drop-down driven by a MenuTracker of one
// button, so its keys and its mouse are those of the other menus; the view
// shows what Tracker() says. A chosen command is returned, not run: the view
// closes the drop-down first, then hands it back to Run().
//
// "Переместить" and "Размер" float a docked window first, then take the arrow
// keys: a move shifts the floating frame by 8 pixels a press (scaled to the
// window's density), kept on the work area as a drag keeps it; a size moves
// the frame's right edge (Left, Right) or bottom edge (Up, Down) by as much,
// never past the work area's right or bottom edge and never below what the
// mouse may leave (the target's Resized(): a tool window's client at least
// 32 x 32, a toolbar's items flowed into rows). Enter keeps what the keys
// did, Esc puts the frame back where it was (a window that was docked goes
// back into its dock).
//
// States (one enum, changed only in Enter()):
//   Idle      nothing open; the keys are the focused control's.
//   Menu      the drop-down is open; its tracker tracks.
//   Moving    the arrows move the floating frame.
//   Sizing    the arrows move the frame's right or bottom edge.
//
// | event          | Idle              | Menu                   | Moving               | Sizing |
// |----------------|-------------------|------------------------|----------------------|----------------------|
// | Alt+-          | -> Menu, first    | closes -> Idle         | as Esc               | as Esc | | | command
// |                        |                      |                      | |                | highlighted |
// |                      |                      | | Up / Down      | passed on         | previous / next |
// frame 8 up / down    | bottom edge 8 up /   | |                |                   | command, wrapping | |
// down                 | | Left / Right   | passed on         | -                      | frame 8 left / right
// | right edge 8 left /  | |                |                   |                        | | right | | Enter
// | passed on         | the highlighted        | -> Idle, frame kept  | -> Idle, frame kept  | | | | command
// chosen -> Idle |                      |                      | | Esc            | passed on         |
// closes -> Idle         | frame back (docked:  | as Moving            | |                | | | docks) ->
// Idle       |                      | | another key    | passed on         | -                      | - | - |
// | pointer on the | -                 | the tracker's (a       | -                    | - | | drop-down | |
// release on a command   |                      |                      | |                | | chooses it ->
// Idle)    |                      |                      | | interrupted    | -                 | closes ->
// Idle         | as Esc               | as Esc               | | Run(command)   | Move, Size: float | - | -
// | -                    | |                | if docked ->      |                        | | | | | Moving /
// Sizing;  |                        |                      |                      | |                | Float
// / Dock /    |                        |                      |                      | |                |
// Hide: done        |                        |                      |                      |
//
// "-" is a key taken with nothing done, "passed on" one left to the focused
// control. "Interrupted" is a press of the mouse elsewhere, the program no
// longer the active one, or the program closing.
#pragma once

#include <cstdint>
#include <optional>

#include "app/docking/floating_frame.h"
#include "app/menus/menu_tracker.h"
#include "base/rect.h"
#include "ui/model/dpi_scale.h"

namespace app {

enum class WindowMenuKey : std::uint8_t { kAltMinus, kUp, kDown, kLeft, kRight, kEnter, kEsc, kOther };

// The menu's commands, in its order.
enum class WindowCommand : std::uint8_t { kMove, kSize, kFloatOrDock, kHide };
inline constexpr int kWindowCommandCount = 4;

// The window the menu is for, as the screen shows it.
class WindowMenuTarget {
 public:
  virtual ~WindowMenuTarget() = default;
  virtual bool Floating() const = 0;
  // Floats a docked window where a double-click on its drag handle would;
  // docks a floating one where a double-click on its caption would; hides
  // it as its close button does.
  virtual void Float() = 0;
  virtual void Dock() = 0;
  virtual void Hide() = 0;
  // The floating frame's outer rectangle on the screen, and placing it
  // there (moved or resized, its content laid out again).
  virtual Rect FrameRect() const = 0;
  virtual void PlaceFrame(const Rect& place) = 0;
  // The work area of the monitor the frame is on.
  virtual Rect WorkArea() const = 0;
  // The frame `start` with its right edge (kRight) or its bottom edge
  // (kBottom) moved by `delta`, as a drag of that sizing zone would leave it.
  virtual Rect Resized(const Rect& start, FloatingHit edge, int delta) const = 0;
  // The density the frame is drawn at.
  virtual ui::DpiScale Scale() const = 0;
};

// What the pointer did on the open drop-down.
enum class WindowMenuPointer : std::uint8_t { kMove, kPress, kRelease };

// What one event caused.
struct WindowMenuEvents {
  bool taken = false;                   // the key goes no further
  std::optional<WindowCommand> chosen;  // the view closes the menu, then Run()s it
};

class WindowMenu {
 public:
  enum class State : std::uint8_t { kIdle, kMenu, kMoving, kSizing };

  // A press of the arrow keys moves this far at 96 pixels per inch.
  static constexpr int kStep = 8;

  // `target` must outlive the menu.
  explicit WindowMenu(WindowMenuTarget& target);

  WindowMenuEvents Key(WindowMenuKey key);
  // The pointer moved, or its left button went down or up, over command
  // `at` of the open drop-down or elsewhere (MenuPointer::Item, Elsewhere).
  WindowMenuEvents Pointer(WindowMenuPointer what, MenuPointer at);
  // A press elsewhere, the program no longer active, or its closing.
  void Interrupted();
  // Carries out a command chosen from the menu (only from Idle).
  void Run(WindowCommand command);

  State CurrentState() const { return state_; }
  bool Active() const { return state_ != State::kIdle; }
  // The highlighted command while the menu is open, else -1.
  int Highlighted() const { return tracker_.Highlighted(); }
  // Whether the window floated when the menu opened (its third command then
  // docks it).
  bool OpenedFloating() const { return opened_floating_; }

 private:
  class OneButtonBar final : public MenuBarModel {
   public:
    int ButtonCount() const override { return 1; }
    bool HasDropDown(int) const override { return true; }
    int ItemCount(int) const override { return kWindowCommandCount; }
    bool CanChoose(int, int) const override { return true; }
  };

  // The only place the state changes.
  void Enter(State state);
  WindowMenuEvents MenuKey(WindowMenuKey key);
  WindowMenuEvents TrackerOutcome(const MenuEvents& events);
  void MoveKey(WindowMenuKey key);
  void SizeKey(WindowMenuKey key);
  // Ends a move or size, the frame put back (Esc) or kept.
  void EndKeyboardPlacement(bool put_back);
  int Step() const;

  WindowMenuTarget& target_;
  OneButtonBar bar_;
  MenuTracker tracker_;
  State state_ = State::kIdle;
  bool opened_floating_ = false;
  bool floated_by_keys_ = false;  // the move or size floated a docked window
  Rect start_;                    // the frame when the move or size began
  Rect now_;                      // as the keys left it
  int width_delta_ = 0;           // how far the keys asked the right edge to go
  int height_delta_ = 0;          // and the bottom edge
};

}  // namespace app
