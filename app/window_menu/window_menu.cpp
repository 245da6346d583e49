#include "app/window_menu/window_menu.h"

#include <algorithm>

#include "app/docking/drag_tracker.h"

namespace app {

WindowMenu::WindowMenu(WindowMenuTarget& target) : target_(target), tracker_(bar_) {}

void WindowMenu::Enter(State state) {
  state_ = state;
}

int WindowMenu::Step() const {
  return target_.Scale().Length(kStep);
}

WindowMenuEvents WindowMenu::Key(WindowMenuKey key) {
  switch (state_) {
    case State::kIdle:
      if (key != WindowMenuKey::kAltMinus) return {};
      opened_floating_ = target_.Floating();
      tracker_.OpenFromKeyboard(0);
      Enter(State::kMenu);
      return {true, std::nullopt};
    case State::kMenu:
      return MenuKey(key);
    case State::kMoving:
    case State::kSizing:
      if (key == WindowMenuKey::kAltMinus || key == WindowMenuKey::kEsc || key == WindowMenuKey::kEnter) {
        EndKeyboardPlacement(key != WindowMenuKey::kEnter);
      } else if (state_ == State::kMoving) {
        MoveKey(key);
      } else {
        SizeKey(key);
      }
      return {true, std::nullopt};
  }
  return {};
}

WindowMenuEvents WindowMenu::MenuKey(WindowMenuKey key) {
  switch (key) {
    case WindowMenuKey::kAltMinus:
      tracker_.Cancel();
      Enter(State::kIdle);
      return {true, std::nullopt};
    case WindowMenuKey::kUp:
      return TrackerOutcome(tracker_.Key(app::MenuKey::kUp));
    case WindowMenuKey::kDown:
      return TrackerOutcome(tracker_.Key(app::MenuKey::kDown));
    case WindowMenuKey::kEnter:
      return TrackerOutcome(tracker_.Key(app::MenuKey::kEnter));
    case WindowMenuKey::kEsc:
      return TrackerOutcome(tracker_.Key(app::MenuKey::kEsc));
    case WindowMenuKey::kLeft:
    case WindowMenuKey::kRight:
    case WindowMenuKey::kOther:
      break;  // one menu: nothing to go left or right to
  }
  return {true, std::nullopt};
}

WindowMenuEvents WindowMenu::Pointer(WindowMenuPointer what, MenuPointer at) {
  if (state_ != State::kMenu) return {};
  // The drop-down has no bar beside it: a point off its commands is elsewhere.
  if (at.over == MenuPointer::Over::kButton) at = MenuPointer::Elsewhere();
  switch (what) {
    case WindowMenuPointer::kMove:
      return TrackerOutcome(tracker_.PointerMove(at));
    case WindowMenuPointer::kPress:
      return TrackerOutcome(tracker_.PointerPress(at));
    case WindowMenuPointer::kRelease:
      return TrackerOutcome(tracker_.PointerRelease(at));
  }
  return {};
}

WindowMenuEvents WindowMenu::TrackerOutcome(const MenuEvents& events) {
  WindowMenuEvents outcome{true, std::nullopt};
  if (events.chosen && events.chosen->item >= 0 && events.chosen->item < kWindowCommandCount) {
    outcome.chosen = static_cast<WindowCommand>(events.chosen->item);
  }
  if (!tracker_.Tracking()) Enter(State::kIdle);
  return outcome;
}

void WindowMenu::Interrupted() {
  switch (state_) {
    case State::kIdle:
      break;
    case State::kMenu:
      tracker_.Cancel();
      Enter(State::kIdle);
      break;
    case State::kMoving:
    case State::kSizing:
      EndKeyboardPlacement(true);
      break;
  }
}

void WindowMenu::Run(WindowCommand command) {
  if (state_ != State::kIdle) return;
  switch (command) {
    case WindowCommand::kMove:
    case WindowCommand::kSize:
      floated_by_keys_ = !target_.Floating();
      if (floated_by_keys_) target_.Float();
      // A window that cannot float stays as it is.
      if (!target_.Floating()) return;
      start_ = now_ = target_.FrameRect();
      width_delta_ = height_delta_ = 0;
      Enter(command == WindowCommand::kMove ? State::kMoving : State::kSizing);
      break;
    case WindowCommand::kFloatOrDock:
      if (target_.Floating()) {
        target_.Dock();
      } else {
        target_.Float();
      }
      break;
    case WindowCommand::kHide:
      target_.Hide();
      break;
  }
}

void WindowMenu::MoveKey(WindowMenuKey key) {
  const int step = Step();
  int dx = 0, dy = 0;
  switch (key) {
    case WindowMenuKey::kLeft:
      dx = -step;
      break;
    case WindowMenuKey::kRight:
      dx = step;
      break;
    case WindowMenuKey::kUp:
      dy = -step;
      break;
    case WindowMenuKey::kDown:
      dy = step;
      break;
    default:
      return;
  }
  const Rect moved{now_.left + dx, now_.top + dy, now_.right + dx, now_.bottom + dy};
  now_ = KeepOnWorkArea(moved, target_.WorkArea(), target_.Scale());
  target_.PlaceFrame(now_);
}

void WindowMenu::SizeKey(WindowMenuKey key) {
  const bool by_width = key == WindowMenuKey::kLeft || key == WindowMenuKey::kRight;
  if (!by_width && key != WindowMenuKey::kUp && key != WindowMenuKey::kDown) return;
  const bool grows = key == WindowMenuKey::kRight || key == WindowMenuKey::kDown;
  const Rect work = target_.WorkArea();
  int& delta = by_width ? width_delta_ : height_delta_;
  const int start_edge = by_width ? start_.right : start_.bottom;
  delta += grows ? Step() : -Step();
  // Never past the work area's edge (nor further out than it began).
  delta = std::min(delta, std::max(0, (by_width ? work.right : work.bottom) - start_edge));
  // The other edge stays as the keys left it.
  Rect asked = now_;
  (by_width ? asked.right : asked.bottom) = start_edge;
  now_ = target_.Resized(asked, by_width ? FloatingHit::kRight : FloatingHit::kBottom, delta);
  // Held at the least size: the next press the other way grows it at once.
  const int reached = by_width ? now_.right : now_.bottom;
  if (reached > start_edge + delta) delta = reached - start_edge;
  target_.PlaceFrame(now_);
}

void WindowMenu::EndKeyboardPlacement(bool put_back) {
  // Enter first: what the target does next may interrupt again.
  Enter(State::kIdle);
  if (!put_back) return;
  // A window floated for the keys goes back into its dock.
  if (floated_by_keys_) {
    target_.Dock();
  } else if (now_ != start_) {
    target_.PlaceFrame(start_);
  }
}

}  // namespace app
