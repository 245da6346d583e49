// CloseButtonTracker: the floating frame's close button under the mouse,
// without windows. The frame's view unpacks its messages into the events
// below, each saying whether the pointer is over the button (the geometry is
// FloatingFrame's), paints the look the tracker gives and hides the carried
// window when a release says so.
//
// States against events (one enum, changed only in SetState):
//
//   event           | kIdle        | kHot         | kPushed        | kPushedAway
//   ----------------+--------------+--------------+----------------+---------------
//   look            | normal       | hot          | pushed         | normal
//   press inside    | -> kPushed   | -> kPushed   | ignored        | ignored
//   press outside   | ignored      | ignored      | ignored        | ignored
//   move inside     | -> kHot      | stays        | stays          | -> kPushed
//   move outside    | stays        | -> kIdle     | -> kPushedAway | stays
//   pointer left    | stays        | -> kIdle     | -> kPushedAway | stays
//     the frame     |              |              |                |
//   release inside  | ignored      | ignored      | -> kIdle, hide | -> kIdle, hide
//   release outside | ignored      | ignored      | -> kIdle       | -> kIdle
//   capture lost    | ignored      | ignored      | -> kIdle       | -> kIdle
//
// Whether a release hides the window depends only on where it happens: a
// pointer that left the button and came back releases over it. After a
// release the look is normal even over the button, until the next move.
#pragma once

#include <cstdint>

namespace app {

enum class CloseLook : std::uint8_t { kNormal, kHot, kPushed };

class CloseButtonTracker {
 public:
  enum class State : std::uint8_t { kIdle, kHot, kPushed, kPushedAway };

  // The left button went down, over the button or not.
  void Press(bool inside);
  // The pointer moved, over the button or not (pressed or not).
  void Move(bool inside);
  // The pointer left the frame (a leave notice, or a check that found it
  // elsewhere).
  void Leave();
  // The left button came up; returns whether the carried window is to be
  // hidden: only when the press began on the button and the release is over
  // it.
  bool Release(bool inside);
  // The capture taken by the press went elsewhere (or the loop ended on a
  // quit message): the press ends without hiding anything.
  void CaptureLost();

  State Current() const { return state_; }
  // Whether a press on the button is being tracked (the capture is held).
  bool Pressed() const { return state_ == State::kPushed || state_ == State::kPushedAway; }
  // The look to paint the button in.
  CloseLook Look() const;

 private:
  void SetState(State state) { state_ = state; }

  State state_ = State::kIdle;
};

}  // namespace app
