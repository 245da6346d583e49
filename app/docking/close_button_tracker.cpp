#include "app/docking/close_button_tracker.h"

namespace app {

void CloseButtonTracker::Press(bool inside) {
  if (Pressed() || !inside) return;
  SetState(State::kPushed);
}

void CloseButtonTracker::Move(bool inside) {
  if (Pressed()) {
    SetState(inside ? State::kPushed : State::kPushedAway);
  } else {
    SetState(inside ? State::kHot : State::kIdle);
  }
}

void CloseButtonTracker::Leave() {
  if (state_ == State::kHot) SetState(State::kIdle);
  if (state_ == State::kPushed) SetState(State::kPushedAway);
}

bool CloseButtonTracker::Release(bool inside) {
  if (!Pressed()) return false;
  SetState(State::kIdle);
  return inside;
}

void CloseButtonTracker::CaptureLost() {
  if (Pressed()) SetState(State::kIdle);
}

CloseLook CloseButtonTracker::Look() const {
  switch (state_) {
    case State::kHot:
      return CloseLook::kHot;
    case State::kPushed:
      return CloseLook::kPushed;
    case State::kIdle:
    case State::kPushedAway:
      break;
  }
  return CloseLook::kNormal;
}

}  // namespace app
