// FormHost: what shows a window on screen. A TForm only keeps what its
// description says; the platform side that puts it on the screen attaches
// itself as the form's host, and the form's Show, Hide and Close go to it.
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
};

}  // namespace ui
