// Dragging, floating and docking a dockable window on screen (Windows only):
// the capture loop around the portable DragTracker (app/docking/
// drag_tracker.h), the screen's answers it asks for (where each dock is, the
// rows of a dock, the monitor's work area), and what a placement means for
// the windows: a new parent (a dock, or the floating frame made on first
// use), a row and a place in the dock, or the frame's place on the screen.
//
// The loop runs on the user-interface thread while the dragged window holds
// the mouse capture: mouse moves, button and key messages are taken by the
// loop (the other buttons and typed characters ignored, Ctrl tested at once,
// Esc ends), every other message (the wheels too) is dispatched as usual; a
// quit message ends the drag and is posted again; a capture taken away ends
// it too. The window stays where the last move put it, docked or floating,
// and nothing stays captured; a press and a release without a move between
// them change nothing.
#pragma once

#include <windows.h>

namespace app {

class DockableView;
class FloatingWindowView;

// Runs the drag of `view`'s window from a left press at `screen` until it
// ends.
void RunDockDrag(DockableView& view, POINT screen);

// Floats `view`'s docked window (a double-click on its drag handle): at its
// last floating place, or with its content where it is now, kept on the work
// area.
void FloatWindow(DockableView& view);

// Docks `view`'s floating window again (a double-click on its caption): into
// its last dock at its old row and place, or into its default dock in the
// first row at the start of the row. Nothing when it has neither.
void DockWindowAgain(DockableView& view);

// The view of the floating frame that carries `view`'s window, made (with its
// model, owned by the window's owner) on first use.
FloatingWindowView& FloatingFrameViewFor(DockableView& view);

}  // namespace app
