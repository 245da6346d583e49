// Windows only: real input for the GUI tests, through the system's input
// queue (SendInput), as a user's mouse and keyboard produce it. Points are
// screen coordinates; the messages arrive when the test's thread next takes
// its messages (ProgramWindowsTest::Settle).
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

enum class Button { kLeft, kRight, kMiddle };

// The screen point of `client` in `window`'s client area; the centre of the
// window's client area.
POINT ScreenPoint(HWND window, POINT client);
POINT ClientCentre(HWND window);

void MoveMouse(POINT screen);
void PressButton(Button button);
void ReleaseButton(Button button);
// Moves there, presses and releases.
void Click(POINT screen, Button button = Button::kLeft);
void DoubleClick(POINT screen);
// Presses at `from`, moves to `to` in `steps` moves, releases there.
void Drag(POINT from, POINT to, int steps = 8, Button button = Button::kLeft);

// The inputs of moving the pointer from `from` to `to` in `steps` moves and
// once more at `to`; no button changes.
std::vector<INPUT> MoveInputs(POINT from, POINT to, int steps);
// One key or button going down or up, as an input to put in a sequence.
INPUT KeyEvent(WORD key, bool down);
INPUT ButtonEvent(POINT screen, Button button, bool down);

// The inputs of a drag: a press at `from`, `steps` moves to `to`, a release.
std::vector<INPUT> DragInputs(POINT from, POINT to, int steps = 8, Button button = Button::kLeft);

// Sends inputs one at a time from a thread of its own, `gap_ms` apart, while
// the test's thread takes them as the program does (a drag's capture loop
// runs inside the handling of its first press, so the rest of the drag must
// arrive while it runs). The destructor waits for the last input.
class InputSender {
 public:
  InputSender(std::vector<INPUT> inputs, int gap_ms = 15);
  ~InputSender();
  InputSender(const InputSender&) = delete;
  InputSender& operator=(const InputSender&) = delete;

  bool Done() const { return done_; }

 private:
  std::atomic<bool> done_{false};
  std::thread thread_;
};

// A drag sent from a thread of its own, paced as a hand makes it, so that the
// thread that owns the window stays free to take the messages meanwhile (a
// system move loop runs on that thread and needs the input while it runs):
// the press at `from`; then, once `loop_thread` is in a move or size loop
// (at most 3 s), `steps` moves to `to` and the release, `pause_ms` apart.
// A loop still running 2 s after the release is ended with Esc, so a loop
// that does not end on the release fails a test instead of hanging it.
// Done() tells when the last input was sent; the object waits for that when
// it goes.
class PacedDrag {
 public:
  PacedDrag(POINT from, POINT to, Button button, DWORD loop_thread, int steps = 8, int pause_ms = 10);
  ~PacedDrag();
  PacedDrag(const PacedDrag&) = delete;
  PacedDrag& operator=(const PacedDrag&) = delete;

  bool Done() const { return done_; }
  // Whether the move loop was seen before the moves were sent, and whether
  // it ended by itself after the release.
  bool SawMoveLoop() const { return saw_loop_; }
  bool LoopEndedOnRelease() const { return ended_on_release_; }

 private:
  std::atomic<bool> done_{false};
  std::atomic<bool> saw_loop_{false};
  std::atomic<bool> ended_on_release_{false};
  std::thread thread_;
};

// Modifier bits for PressKey.
enum Modifiers : unsigned { kNoModifier = 0, kShift = 1, kCtrl = 2, kAlt = 4 };
// Presses and releases `key` (a virtual-key code) with the modifiers held.
void PressKey(WORD key, unsigned modifiers = kNoModifier);
void KeyDown(WORD key);
void KeyUp(WORD key);
// Types `text` as characters (each a key press of its own).
void TypeText(const std::wstring& text);

// The cursor shown now (GetCursorInfo).
HCURSOR CurrentCursor();
// The colour of the screen pixel at `screen`.
COLORREF ScreenPixel(POINT screen);
// The colours of the screen's pixels in `area` (screen coordinates), row by
// row, copied off the screen in one go.
std::vector<COLORREF> ScreenPixels(const RECT& area);

}  // namespace testing_support
