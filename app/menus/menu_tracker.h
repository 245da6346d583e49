// MenuTracker: the menu-bar behaviour of a toolbar and its drop-down menus,
// without windows. The toolbar view and the drop-down windows unpack their
// mouse and keyboard messages into the events below (pointer over button n,
// over item n of the open drop-down, or elsewhere; a key; capture lost) and
// then paint what the tracker says: which button is hot, pressed or open,
// which item is highlighted. Each event returns whether a drop-down just
// opened (the view plays "MenuPopup") and the item chosen, if any, with
// whether it came from an open drop-down ("MenuCommand"). The tracker never
// runs an item: the view hands the choice to ChosenItemRunner.
//
// Buttons are numbered in bar order, items in drop-down order, from 0; the
// bar is asked through MenuBarModel each time it matters, so a drop-down's
// items are those of the moment it opens.
//
// States (one enum, changed only in Enter()):
//   Idle      not tracking; the button under the pointer is hot.
//   Pushing   a command button (no drop-down) held down; it shows pushed while
//             the pointer is over it.
//   Menu      menu mode, pointer button up: the selected button's drop-down is
//             open (or, for a command button reached by moving or Left/Right,
//             the button is highlighted with no drop-down).
//   MenuHeld  as Menu, with the pointer button still down since the press
//             that opened the drop-down or pressed into it (press-drag-release).
//
// | event              | Idle               | Pushing            | Menu (MenuHeld the same unless said)   |
// |--------------------|--------------------|--------------------|----------------------------------------|
// | move on button b   | b hot              | pushed look only   | b not the selected one: select b; its  |
// |                    |                    | while on the       | drop-down opens ("opened"); a command  |
// |                    |                    | pushed one         | shows none. The selected one: no       |
// |                    |                    |                    | highlight                              |
// | move on item i     | -                  | -                  | highlight i if choosable, else none    |
// | move elsewhere     | none hot           | normal look        | no highlight                           |
// | press on button b  | drop-down: open    | -                  | b's drop-down open: close -> Idle;     |
// |                    | -> MenuHeld;       |                    | another drop-down: open -> MenuHeld;   |
// |                    | command -> Pushing |                    | a command -> Pushing                   |
// | press on item i    | -                  | -                  | highlight i if choosable -> MenuHeld   |
// | press elsewhere    | -                  | -                  | close -> Idle, nothing chosen          |
// | release on item i  | -                  | -                  | choosable: choose -> Idle; MenuHeld    |
// |                    |                    |                    | and not choosable: -> Menu             |
// | release on button  | -                  | the pushed one:    | Menu: -. MenuHeld: the selected        |
// |                    |                    | choose; -> Idle    | command: choose -> Idle; else -> Menu  |
// | release elsewhere  | -                  | -> Idle            | Menu: -. MenuHeld: -> Menu (stays open)|
// | Up / Down          | -                  | -                  | previous / next choosable item, wraps  |
// | Left / Right       | -                  | -                  | previous / next button, wrapping; its  |
// |                    |                    |                    | drop-down opens with the first         |
// |                    |                    |                    | choosable item highlighted; -> Menu    |
// | Enter              | -                  | -                  | the highlighted item or the selected   |
// |                    |                    |                    | command: choose -> Idle; otherwise -   |
// | Esc                | -                  | -> Idle            | close -> Idle (leaves the bar)         |
// | cancel / capture   | -                  | -> Idle            | -> Idle                                |
// | open from keyboard | drop-down: open    | -                  | -                                      |
// | (button b)         | with the first     |                    |                                        |
// |                    | choosable item     |                    |                                        |
// |                    | highlighted ->     |                    |                                        |
// |                    | Menu; command:     |                    |                                        |
// |                    | choose             |                    |                                        |
//
// A release in MenuHeld is first taken as a move to where it happens, so a
// drag that ends on another button behaves as if the move had been reported.
// A drop-down opened by the mouse highlights nothing until the pointer is
// over an item; Enter then does nothing. Indices outside the bar's present
// buttons and items count as "elsewhere"; a bar that shrank under an open
// drop-down closes it at the next event.
#pragma once

#include <cstdint>
#include <optional>

namespace app {

// What the tracker needs to know about the bar, asked when needed.
class MenuBarModel {
 public:
  virtual ~MenuBarModel() = default;
  virtual int ButtonCount() const = 0;
  // Whether button `button` (0 <= button < ButtonCount()) opens a drop-down.
  virtual bool HasDropDown(int button) const = 0;
  // The number of items in button `button`'s drop-down (0 for a command).
  virtual int ItemCount(int button) const = 0;
  // Whether item `item` (0 <= item < ItemCount(button)) can be chosen (not a
  // separator, not disabled).
  virtual bool CanChoose(int button, int item) const = 0;
};

// Where the pointer is, as the view's hit test found it.
struct MenuPointer {
  enum class Over : std::uint8_t { kElsewhere, kButton, kItem };
  Over over = Over::kElsewhere;
  int index = -1;  // the button or the item of the open drop-down

  static MenuPointer Button(int button) { return {Over::kButton, button}; }
  static MenuPointer Item(int item) { return {Over::kItem, item}; }
  static MenuPointer Elsewhere() { return {}; }
};

enum class MenuKey : std::uint8_t { kUp, kDown, kEnter, kEsc, kLeft, kRight };

// A choice: item `item` of button `button`'s drop-down, or the command
// button itself (`item` -1).
struct MenuChoice {
  int button = -1;
  int item = -1;
  bool from_drop_down = false;  // the drop-down was open when it was chosen

  friend bool operator==(const MenuChoice&, const MenuChoice&) = default;
};

// What one event caused, beyond the state the getters show.
struct MenuEvents {
  bool opened = false;               // a drop-down opened (or replaced another)
  std::optional<MenuChoice> chosen;  // tracking ended with this choice
};

class MenuTracker {
 public:
  enum class State : std::uint8_t { kIdle, kPushing, kMenu, kMenuHeld };

  // `bar` must outlive the tracker.
  explicit MenuTracker(const MenuBarModel& bar) : bar_(bar) {}

  MenuEvents PointerMove(MenuPointer at);
  MenuEvents PointerPress(MenuPointer at);
  MenuEvents PointerRelease(MenuPointer at);
  MenuEvents Key(MenuKey key);
  // The view lost the mouse capture or was told to cancel its modes: tracking
  // ends and nothing is chosen.
  MenuEvents Cancel();
  // The bar's keyboard menu mode opens button `button` (Down, Enter or Space
  // on a hot button): its drop-down, or its choice for a command. Only from
  // Idle; a button the bar does not have does nothing.
  MenuEvents OpenFromKeyboard(int button);

  State CurrentState() const { return state_; }
  // True while the view must keep the mouse captured and the keys routed here.
  bool Tracking() const { return state_ != State::kIdle; }
  // The button drawn highlighted, or -1: under the pointer when idle; the
  // pushed one while the pointer is over it; a command button selected in
  // menu mode.
  int Hot() const;
  // The button held down (drawn pushed while it is also Hot()), or -1.
  int Pressed() const { return state_ == State::kPushing ? selected_ : -1; }
  // The button whose drop-down is open, or -1.
  int Open() const;
  // The highlighted item of the open drop-down, or -1.
  int Highlighted() const { return Open() >= 0 ? highlight_ : -1; }

 private:
  bool InMenu() const { return state_ == State::kMenu || state_ == State::kMenuHeld; }
  bool ValidButton(int button) const;
  bool ValidItem(int item) const;  // of the selected button's drop-down
  bool Choosable(int item) const;
  // The only place the state changes.
  void Enter(State state, int selected, int highlight);
  // Selects `button` in menu mode; a drop-down opens (reported in `events`),
  // with its first choosable item highlighted when `by_keyboard`.
  void Select(int button, State state, bool by_keyboard, MenuEvents& events);
  void Choose(int button, int item, bool from_drop_down, MenuEvents& events);
  void Close() { Enter(State::kIdle, -1, -1); }
  // The next choosable item from `from` in `step` direction, wrapping; -1 when none.
  int NextChoosable(int from, int step) const;
  // Closes a drop-down whose button or highlighted item no longer exists.
  void Revalidate();
  void MenuMove(MenuPointer at, MenuEvents& events);

  const MenuBarModel& bar_;
  State state_ = State::kIdle;
  int selected_ = -1;    // the pushed button, or the one selected in menu mode
  int highlight_ = -1;   // in the selected button's drop-down
  MenuPointer pointer_;  // where the last pointer event happened
};

}  // namespace app
