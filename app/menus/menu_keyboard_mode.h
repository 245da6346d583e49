// MenuKeyboardMode: the menu bar reached from the keyboard, without windows.
//
// F10, or Alt pressed and released with no other key between, puts the bar
// into menu mode: its first button is hot (drawn as under the pointer) and
// no drop-down is open. The arrows then move along the bar and open its
// drop-downs, Esc steps back out. The drop-downs themselves are MenuTracker's
// (its keys inside an open drop-down stay as they are); this class opens them
// through the tracker and follows what the tracker does until its tracking
// ends. The keyboard focus never moves: the view hands this class the keys
// before the focused control sees them, and while the mode is on it takes
// every key, so nothing is typed into the control underneath.
//
// States (one enum, changed only in Enter()):
//   Idle      not in menu mode; the tracker may be tracking the mouse.
//   AltDown   Alt is down, alone so far; its release enters menu mode.
//   Bar       menu mode: button Hot() is hot, nothing open, tracker idle.
//   Tracking  menu mode with the tracker tracking: a drop-down opened from
//             here is open (or, after Left / Right from one, a command
//             button is selected by the tracker).
//
// | event        | Idle                | AltDown       | Bar                   | Tracking              |
// |--------------|---------------------|---------------|-----------------------|-----------------------|
// | Alt down     | tracker tracking:   | - (its        | -> Idle               | menus close -> Idle   |
// |              | its menus close;    | repeat)       |                       |                       |
// |              | else -> AltDown     |               |                       |                       |
// | Alt up       | passed on           | -> Bar, first | -                     | -                     |
// |              |                     | button hot    |                       |                       |
// | F10 down     | tracker tracking:   | passed on, -> | -> Idle               | menus close -> Idle   |
// |              | its menus close;    | Idle          |                       |                       |
// |              | else -> Bar, first  |               |                       |                       |
// |              | button hot          |               |                       |                       |
// | Left / Right | passed on           | passed on, -> | previous / next       | the tracker's: next   |
// |              |                     | Idle          | button hot, wrapping  | drop-down, wrapping   |
// | Down, Enter, | passed on           | passed on, -> | drop-down: opens,     | Down, Enter: the      |
// | Space        |                     | Idle          | first item            | tracker's; Space: -   |
// |              |                     |               | highlighted ->        |                       |
// |              |                     |               | Tracking; command:    |                       |
// |              |                     |               | chosen -> Idle        |                       |
// | Up           | passed on           | passed on, -> | -                     | the tracker's         |
// |              |                     | Idle          |                       |                       |
// | Esc          | passed on           | passed on, -> | -> Idle               | menus close -> Bar,   |
// |              |                     | Idle          |                       | the button that was   |
// |              |                     |               |                       | open hot              |
// | another key, | passed on           | passed on, -> | -                     | -                     |
// | down or up   |                     | Idle          |                       |                       |
// | pointer      | -                   | -> Idle       | -> Idle (the press    | - (the tracker's)     |
// | pressed      |                     |               | goes on)              |                       |
// | activation   | -                   | -> Idle       | -> Idle               | menus close -> Idle   |
// | lost         |                     |               |                       |                       |
// | tracker      | -                   | -             | -                     | -> Idle (chosen, or   |
// | stopped      |                     |               |                       | closed by the mouse)  |
//
// "-" is a key taken with nothing done; "passed on" is a key left to the
// focused control (and the system's default handling). Every key in Bar and
// Tracking is taken, as are Alt and F10 whenever they change something; Alt
// with another key (Alt+F4, Alt+Tab, Alt+Down for the name picker) reaches
// the focused control as it would without the menus. A "choice" is the
// tracker's MenuChoice, handed to the view in the returned events, which runs
// it once the menus have closed.
#pragma once

#include <cstdint>
#include <optional>

#include "app/menus/menu_tracker.h"

namespace app {

// The keys the mode tells apart; the view maps its key codes onto them.
enum class MenuModeKey : std::uint8_t { kAlt, kF10, kLeft, kRight, kUp, kDown, kEnter, kSpace, kEsc, kOther };

// The tracker's key for `key` (the arrows, Enter, Esc); none for the others.
std::optional<MenuKey> TrackerKeyOf(MenuModeKey key);

// What hears the mode change (an accessibility client announcing the menu
// bar): entering menu mode with button `hot` hot, another button becoming
// hot while in it (also one the tracker selects), and the mode's end, after
// which the focused control, which never lost the focus, is the user's again.
class MenuModeObserver {
 public:
  virtual ~MenuModeObserver() = default;
  virtual void MenuModeEntered(int hot) = 0;
  virtual void MenuModeHotChanged(int hot) = 0;
  virtual void MenuModeLeft() = 0;
};

// What one event caused.
struct MenuModeEvents {
  bool taken = false;  // the key goes no further (not to the focused control)
  MenuEvents menu;     // what the tracker did: a drop-down opened, a choice
};

class MenuKeyboardMode {
 public:
  enum class State : std::uint8_t { kIdle, kAltDown, kBar, kTracking };

  // `tracker` and `bar` (the tracker's bar) must outlive the mode.
  MenuKeyboardMode(MenuTracker& tracker, const MenuBarModel& bar) : tracker_(tracker), bar_(bar) {}

  MenuModeEvents KeyDown(MenuModeKey key);
  MenuModeEvents KeyUp(MenuModeKey key);
  // A mouse button went down on one of the window's controls (the bar and
  // its drop-down included), before that control handles it.
  void PointerPressed();
  // The window lost the activation: the mode ends, and menus it opened close.
  MenuModeEvents Deactivated();
  // Told after the view fed the tracker an event of its own (the mouse, the
  // capture lost): the mode follows the tracker's end or its new selection.
  void TrackerChanged();

  State CurrentState() const { return state_; }
  // In menu mode (Bar or Tracking): every key is the mode's.
  bool Active() const { return state_ == State::kBar || state_ == State::kTracking; }
  // The button drawn hot by the mode (Bar), or the one the tracker has
  // selected (Tracking); -1 otherwise.
  int Hot() const;

  // One observer at a time; null for none. It must outlive the mode or be
  // replaced first.
  void SetObserver(MenuModeObserver* observer) { observer_ = observer; }

 private:
  // The only place the state changes; tells the observer.
  void Enter(State state, int hot);
  MenuModeEvents BarKey(MenuModeKey key);
  MenuModeEvents TrackingKey(MenuModeKey key);
  // Leaves menu mode, closing what the tracker has open.
  MenuModeEvents Leave();

  MenuTracker& tracker_;
  const MenuBarModel& bar_;
  State state_ = State::kIdle;
  int hot_ = -1;       // in Bar
  int told_hot_ = -1;  // the hot button the observer heard of last
  MenuModeObserver* observer_ = nullptr;
};

}  // namespace app
