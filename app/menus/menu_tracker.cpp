#include "app/menus/menu_tracker.h"

namespace app {

bool MenuTracker::ValidButton(int button) const {
  return button >= 0 && button < bar_.ButtonCount();
}

bool MenuTracker::ValidItem(int item) const {
  return ValidButton(selected_) && bar_.HasDropDown(selected_) && item >= 0 &&
         item < bar_.ItemCount(selected_);
}

bool MenuTracker::Choosable(int item) const {
  return ValidItem(item) && bar_.CanChoose(selected_, item);
}

int MenuTracker::Hot() const {
  switch (state_) {
    case State::kIdle:
      return pointer_.over == MenuPointer::Over::kButton && ValidButton(pointer_.index) ? pointer_.index : -1;
    case State::kPushing:
      return pointer_.over == MenuPointer::Over::kButton && pointer_.index == selected_ ? selected_ : -1;
    case State::kMenu:
    case State::kMenuHeld:
      return ValidButton(selected_) && !bar_.HasDropDown(selected_) ? selected_ : -1;
  }
  return -1;
}

int MenuTracker::Open() const {
  return InMenu() && ValidButton(selected_) && bar_.HasDropDown(selected_) ? selected_ : -1;
}

void MenuTracker::Enter(State state, int selected, int highlight) {
  state_ = state;
  selected_ = selected;
  highlight_ = highlight;
}

void MenuTracker::Select(int button, State state, bool by_keyboard, MenuEvents& events) {
  const bool drop_down = bar_.HasDropDown(button);
  Enter(state, button, -1);
  if (!drop_down) return;
  events.opened = true;
  if (by_keyboard) highlight_ = NextChoosable(-1, +1);
}

void MenuTracker::Choose(int button, int item, bool from_drop_down, MenuEvents& events) {
  events.chosen = MenuChoice{button, item, from_drop_down};
  Close();
}

int MenuTracker::NextChoosable(int from, int step) const {
  const int count = ValidButton(selected_) && bar_.HasDropDown(selected_) ? bar_.ItemCount(selected_) : 0;
  if (count <= 0) return -1;
  // From "nothing highlighted" the first step lands on the first (or last) item.
  int at = from < 0 || from >= count ? (step > 0 ? -1 : count) : from;
  for (int tried = 0; tried < count; ++tried) {
    at = ((at + step) % count + count) % count;
    if (bar_.CanChoose(selected_, at)) return at;
  }
  return -1;
}

void MenuTracker::Revalidate() {
  if (state_ == State::kIdle) return;
  if (!ValidButton(selected_)) {
    Close();
  } else if (highlight_ >= 0 && !Choosable(highlight_)) {
    highlight_ = -1;
  }
}

void MenuTracker::MenuMove(MenuPointer at, MenuEvents& events) {
  switch (at.over) {
    case MenuPointer::Over::kButton:
      if (ValidButton(at.index) && at.index != selected_) {
        Select(at.index, state_, false, events);
      } else {
        highlight_ = -1;
      }
      break;
    case MenuPointer::Over::kItem:
      highlight_ = Choosable(at.index) ? at.index : -1;
      break;
    case MenuPointer::Over::kElsewhere:
      highlight_ = -1;
      break;
  }
}

MenuEvents MenuTracker::PointerMove(MenuPointer at) {
  MenuEvents events;
  pointer_ = at;
  Revalidate();
  if (InMenu()) MenuMove(at, events);
  return events;
}

MenuEvents MenuTracker::PointerPress(MenuPointer at) {
  MenuEvents events;
  pointer_ = at;
  Revalidate();
  const bool on_button = at.over == MenuPointer::Over::kButton && ValidButton(at.index);
  switch (state_) {
    case State::kIdle:
      if (!on_button) break;
      if (bar_.HasDropDown(at.index)) {
        Select(at.index, State::kMenuHeld, false, events);
      } else {
        Enter(State::kPushing, at.index, -1);
      }
      break;
    case State::kPushing:
      break;  // a second button pressed while the first is held
    case State::kMenu:
    case State::kMenuHeld:
      if (on_button) {
        if (at.index == Open()) {
          Close();
        } else if (bar_.HasDropDown(at.index)) {
          Select(at.index, State::kMenuHeld, false, events);
        } else {
          Enter(State::kPushing, at.index, -1);
        }
      } else if (at.over == MenuPointer::Over::kItem && ValidItem(at.index)) {
        Enter(State::kMenuHeld, selected_, Choosable(at.index) ? at.index : -1);
      } else {
        Close();  // a click outside
      }
      break;
  }
  return events;
}

MenuEvents MenuTracker::PointerRelease(MenuPointer at) {
  MenuEvents events;
  pointer_ = at;
  Revalidate();
  switch (state_) {
    case State::kIdle:
      break;
    case State::kPushing:
      if (at.over == MenuPointer::Over::kButton && at.index == selected_) {
        Choose(selected_, -1, false, events);
      } else {
        Close();
      }
      break;
    case State::kMenu:
      if (at.over == MenuPointer::Over::kItem && Choosable(at.index))
        Choose(selected_, at.index, true, events);
      break;
    case State::kMenuHeld:
      MenuMove(at, events);
      if (at.over == MenuPointer::Over::kItem && Choosable(at.index)) {
        Choose(selected_, at.index, true, events);
      } else if (at.over == MenuPointer::Over::kButton && at.index == selected_ && Open() < 0) {
        Choose(selected_, -1, false, events);
      } else {
        Enter(State::kMenu, selected_, highlight_);
      }
      break;
  }
  return events;
}

MenuEvents MenuTracker::Key(MenuKey key) {
  MenuEvents events;
  Revalidate();
  if (state_ == State::kPushing && key == MenuKey::kEsc) Close();
  if (!InMenu()) return events;
  const int count = bar_.ButtonCount();
  switch (key) {
    case MenuKey::kUp:
    case MenuKey::kDown:
      if (Open() >= 0) highlight_ = NextChoosable(highlight_, key == MenuKey::kDown ? +1 : -1);
      break;
    case MenuKey::kLeft:
    case MenuKey::kRight: {
      const int step = key == MenuKey::kRight ? 1 : count - 1;
      const int next = (selected_ + step) % count;
      if (next != selected_) Select(next, State::kMenu, true, events);
      break;
    }
    case MenuKey::kEnter:
      if (Open() < 0) {
        Choose(selected_, -1, false, events);
      } else if (highlight_ >= 0) {
        Choose(selected_, highlight_, true, events);
      }
      break;
    case MenuKey::kEsc:
      Close();
      break;
  }
  return events;
}

MenuEvents MenuTracker::OpenFromKeyboard(int button) {
  MenuEvents events;
  Revalidate();
  if (state_ != State::kIdle || !ValidButton(button)) return events;
  if (bar_.HasDropDown(button)) {
    Select(button, State::kMenu, true, events);
  } else {
    Choose(button, -1, false, events);
  }
  return events;
}

MenuEvents MenuTracker::Cancel() {
  Close();
  return {};
}

}  // namespace app
