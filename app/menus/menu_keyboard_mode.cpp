#include "app/menus/menu_keyboard_mode.h"

namespace app {

std::optional<MenuKey> TrackerKeyOf(MenuModeKey key) {
  switch (key) {
    case MenuModeKey::kUp:
      return MenuKey::kUp;
    case MenuModeKey::kDown:
      return MenuKey::kDown;
    case MenuModeKey::kLeft:
      return MenuKey::kLeft;
    case MenuModeKey::kRight:
      return MenuKey::kRight;
    case MenuModeKey::kEnter:
      return MenuKey::kEnter;
    case MenuModeKey::kEsc:
      return MenuKey::kEsc;
    case MenuModeKey::kAlt:
    case MenuModeKey::kF10:
    case MenuModeKey::kSpace:
    case MenuModeKey::kOther:
      break;
  }
  return std::nullopt;
}

int MenuKeyboardMode::Hot() const {
  switch (state_) {
    case State::kBar:
      return hot_;
    case State::kTracking:
      return tracker_.Open() >= 0 ? tracker_.Open() : tracker_.Hot();
    case State::kIdle:
    case State::kAltDown:
      break;
  }
  return -1;
}

void MenuKeyboardMode::Enter(State state, int hot) {
  const bool was_active = Active();
  state_ = state;
  hot_ = state == State::kBar ? hot : -1;
  const bool active = Active();
  const int now_hot = Hot();
  if (active == was_active && now_hot == told_hot_) return;
  told_hot_ = now_hot;
  if (!observer_) return;
  if (active && !was_active) {
    observer_->MenuModeEntered(now_hot);
  } else if (!active) {
    observer_->MenuModeLeft();
  } else {
    observer_->MenuModeHotChanged(now_hot);
  }
}

MenuModeEvents MenuKeyboardMode::Leave() {
  MenuModeEvents events;
  events.taken = true;
  if (tracker_.Tracking()) events.menu = tracker_.Cancel();
  Enter(State::kIdle, -1);
  return events;
}

MenuModeEvents MenuKeyboardMode::KeyDown(MenuModeKey key) {
  TrackerChanged();
  MenuModeEvents events;
  switch (state_) {
    case State::kIdle:
      if (key != MenuModeKey::kAlt && key != MenuModeKey::kF10) break;
      if (tracker_.Tracking()) return Leave();  // menus the mouse opened close
      if (key == MenuModeKey::kAlt) {
        Enter(State::kAltDown, -1);
        events.taken = true;
      } else if (bar_.ButtonCount() > 0) {
        Enter(State::kBar, 0);
        events.taken = true;
      }
      break;
    case State::kAltDown:
      // Alt's own repeat keeps it alone; any other key makes it a shortcut's.
      if (key == MenuModeKey::kAlt) {
        events.taken = true;
      } else {
        Enter(State::kIdle, -1);
      }
      break;
    case State::kBar:
      return BarKey(key);
    case State::kTracking:
      return TrackingKey(key);
  }
  return events;
}

MenuModeEvents MenuKeyboardMode::KeyUp(MenuModeKey key) {
  TrackerChanged();
  MenuModeEvents events;
  switch (state_) {
    case State::kIdle:
      break;
    case State::kAltDown:
      if (key != MenuModeKey::kAlt) {
        Enter(State::kIdle, -1);
        break;
      }
      events.taken = true;
      Enter(bar_.ButtonCount() > 0 ? State::kBar : State::kIdle, 0);
      break;
    case State::kBar:
    case State::kTracking:
      events.taken = true;
      break;
  }
  return events;
}

MenuModeEvents MenuKeyboardMode::BarKey(MenuModeKey key) {
  MenuModeEvents events;
  events.taken = true;
  const int count = bar_.ButtonCount();
  if (count <= 0) return Leave();
  // The bar may have lost buttons (a narrower window) since the last key.
  const int hot = hot_ < count ? hot_ : count - 1;
  switch (key) {
    case MenuModeKey::kAlt:
    case MenuModeKey::kF10:
    case MenuModeKey::kEsc:
      return Leave();
    case MenuModeKey::kLeft:
    case MenuModeKey::kRight:
      Enter(State::kBar, (hot + (key == MenuModeKey::kRight ? 1 : count - 1)) % count);
      break;
    case MenuModeKey::kDown:
    case MenuModeKey::kEnter:
    case MenuModeKey::kSpace:
      events.menu = tracker_.OpenFromKeyboard(hot);
      Enter(tracker_.Tracking() ? State::kTracking : State::kIdle, -1);
      break;
    case MenuModeKey::kUp:
    case MenuModeKey::kOther:
      Enter(State::kBar, hot);
      break;
  }
  return events;
}

MenuModeEvents MenuKeyboardMode::TrackingKey(MenuModeKey key) {
  MenuModeEvents events;
  events.taken = true;
  if (key == MenuModeKey::kAlt || key == MenuModeKey::kF10) return Leave();
  if (key == MenuModeKey::kEsc) {
    // Back to the bar, the button whose drop-down was open still hot.
    const int back = Hot();
    events.menu = tracker_.Cancel();
    Enter(back >= 0 ? State::kBar : State::kIdle, back);
    return events;
  }
  if (const std::optional<MenuKey> tracker_key = TrackerKeyOf(key)) {
    events.menu = tracker_.Key(*tracker_key);
    TrackerChanged();
  }
  return events;
}

void MenuKeyboardMode::PointerPressed() {
  if (state_ == State::kAltDown || state_ == State::kBar) Enter(State::kIdle, -1);
}

MenuModeEvents MenuKeyboardMode::Deactivated() {
  if (state_ == State::kIdle) return {};
  return Leave();
}

void MenuKeyboardMode::TrackerChanged() {
  if (state_ != State::kTracking) return;
  // Re-entered to tell the observer of a new selection, or of the end.
  Enter(tracker_.Tracking() ? State::kTracking : State::kIdle, -1);
}

}  // namespace app
