// FormHost: what shows a window on screen. A TForm only keeps what its
// description says; the platform side that puts it on the screen attaches
// itself as the form's host, and the form's Show, Hide, Close and
// StartMoveByCaption go to it.
#pragma once

namespace ui {

class FormHost {
 public:
  virtual ~FormHost() = default;

  // Shows the window (the first showing places it as the form's position says).
  virtual void Show() = 0;
  virtual void Hide() = 0;
  // Closes the window the way its close button does: the main window ends the
  // program, any other window is hidden.
  virtual void Close() = 0;
  // Gives up the mouse capture, then lets the user move the window as if its
  // caption had been grabbed: the system's move loop follows the pointer
  // until the button is released and returns when the move has ended. A
  // host that cannot move its window does nothing.
  virtual void StartMoveByCaption() {}
};

}  // namespace ui
