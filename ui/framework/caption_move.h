// Moving a window by the pointer as if its caption had been grabbed (Windows
// only): the system's own move loop, started by any mouse button.
//
//   state                     | event                         | next
//   --------------------------+-------------------------------+---------------------------
//   button held on the window | MoveByCaption                 | system's move loop
//   move loop                 | pointer moves                 | window follows it
//   move loop                 | left button released          | ended, window where it is
//   move loop, begun with the | that button released          | ended, window where it is
//   right or middle button    |                               | (the system's loop would
//                             |                               | wait for a left release)
//   move loop                 | Enter / Esc                   | ended / put back
#pragma once

#include <windows.h>

namespace ui {

// Releases the mouse capture, then sends `window` the system's move command
// with the caption's hit code (WM_SYSCOMMAND with SC_MOVE | HTCAPTION, 0xF012)
// and returns when the move loop has ended. The loop ends when the button
// held at the start is released: the system ends it on a left release by
// itself; for a move begun with the right or middle button held (and not the
// left), a message filter watching the loop ends it on that button's release,
// through the Enter key that accepts a move.
void MoveByCaption(HWND window);

}  // namespace ui
