// RunCaptureLoop: the modal message loop of a mouse capture (a drag, a
// pressed button, a resize; Windows only).
//
// While the caller's predicate says the loop goes on, it takes one message at
// a time and:
//   a quit message        posts it again and ends (kQuit)
//   the capture gone      (another window or program took it) dispatches the
//                         message as it is and ends (kCaptureLost)
//   WM_MOUSEMOVE          calls `move` with the pointer's place
//   WM_LBUTTONDOWN/DBLCLK calls `left_down` (if given), else drops it
//   WM_LBUTTONUP          calls `left_up` with the point the release carries
//   WM_KEYDOWN/UP and     calls `key` (if given), else drops it
//     WM_SYSKEYDOWN/UP
//   other input           drops it: every other mouse and keyboard message
//                         (kAll), or all of them but the wheels, which are
//                         dispatched (kButtonsAndKeys: the other buttons, the
//                         extra ones included, and typed characters dropped)
//   anything else         translates and dispatches it (timers, painting)
// The callbacks may change what the predicate answers; it is asked again
// before every message, the first one too.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/framework/mouse_capture.h"

namespace ui {

// Which input messages, beyond those handed to the callbacks, the loop drops.
enum class CaptureInput {
  kAll,             // every mouse message of the client area and every key message
  kButtonsAndKeys,  // the same but the wheels, which reach their windows
};

// Where the pointer is said to be on a move.
enum class MovePoint {
  // Where the cursor is when the move is taken: moving a window under the
  // pointer makes the system send moves of its own, some with older places.
  kCursor,
  kMessage,  // the place the move message carries
};

enum class CaptureEnd { kDone, kCaptureLost, kQuit };

struct KeyStroke {
  WPARAM key = 0;       // the virtual key
  bool down = false;    // WM_KEYDOWN or WM_SYSKEYDOWN
  bool system = false;  // WM_SYSKEYDOWN or WM_SYSKEYUP
};

struct CaptureLoop {
  std::function<bool()> running;              // required
  std::function<void(POINT screen)> move;     // required
  std::function<void(POINT screen)> left_up;  // required
  std::function<void()> left_down;            // optional
  std::function<void(const KeyStroke&)> key;  // optional
  CaptureInput input = CaptureInput::kAll;
  MovePoint move_point = MovePoint::kCursor;
};

// Runs `loop` while `capture` is held. Returns kDone when `running` said
// stop, kCaptureLost when the capture went elsewhere and kQuit on a quit
// message. The capture is left as it is: the caller's MouseCapture gives it
// back.
CaptureEnd RunCaptureLoop(const MouseCapture& capture, const CaptureLoop& loop);

}  // namespace ui
