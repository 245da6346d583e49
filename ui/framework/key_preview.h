// KeyPreview: what sees a window's keys before the control that has the
// focus does (Windows only). A form's window has at most one; the menu bar
// is the one the main window has, so that F10 and a lone Alt reach it from
// whichever control has the focus. Every view's message switch hands each key
// press and release to its form's preview first; a key the preview takes
// goes no further (neither to the view nor to the system's default handling).
// The preview also hears of what ends a keyboard mode: a mouse press on one
// of the window's controls, and the window losing the activation.
#pragma once

#include <windows.h>

#include "ui/model/control.h"

namespace ui {

class ControlView;

// One key message, unpacked: the virtual-key code, down or up, the shift
// state of the keyboard at the time (ssShift, ssCtrl, ssAlt).
struct KeyInput {
  WORD key = 0;
  bool down = true;
  TShiftState shift = 0;
};

class KeyPreview {
 public:
  virtual ~KeyPreview() = default;
  // `input` reached `view` of the window; true takes it.
  virtual bool PreviewKey(ControlView& view, const KeyInput& input) = 0;
  // A mouse button went down on `view` of the window, before the view
  // handles it.
  virtual void PreviewPress(ControlView& view) = 0;
  // The window stopped being the active one.
  virtual void PreviewDeactivated() = 0;
};

}  // namespace ui
