// AccessibleObject: the system's accessibility object of one view (Windows
// only): IAccessible over the view's AccessibleDescription, answered to
// WM_GETOBJECT for the window's client area (OBJID_CLIENT).
//
//   - The object itself is child id 0; the description's parts without
//     windows are the simple elements 1..n (a reader asks the object about
//     them by id); the view's child windows follow as n+1..n+m, each given
//     as its own object (get_accChild).
//   - Its parent is the window's standard object (OBJID_WINDOW), made by the
//     system.
//   - Locations are the description's bounds moved to the screen.
//   - A child id outside 0..n+m gets E_INVALIDARG.
//   - Once its view is gone, or the window it describes stopped being there
//     for the user (a list that closed), the view lets the object go
//     (Disconnect): a reader still holding it then gets CO_E_OBJNOTCONNECTED
//     from every call, and WM_GETOBJECT makes a new one.
//
// The system's accessibility and COM libraries are loaded on the first
// WM_GETOBJECT, not with the program: most starts never meet a reader.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

class ControlView;

class AccessibleObject {
 public:
  // A new object of `view`, holding one reference: the caller's.
  static AccessibleObject* Create(ControlView& view);
  // Every later call fails (the view is gone); drops the caller's reference.
  virtual void Disconnect() = 0;
  // WM_GETOBJECT's answer for OBJID_CLIENT: a reference for the asker
  // (LresultFromObject); 0 when the system's library cannot be had.
  virtual LRESULT AnswerRequest(WPARAM wparam) = 0;

 protected:
  ~AccessibleObject() = default;
};

// Raises WinEvent `event` about `window`'s client object (`child` 0) or one
// of its parts.
void NotifyAccessibleEvent(HWND window, DWORD event, int child);

// Has `text` spoken now where the system offers UI Automation notifications
// (looked up at run time; nothing happens without them), whatever has the
// focus: how an answer written into a window the user is not in reaches him.
void AnnounceText(HWND window, const std::string& text);

}  // namespace ui
