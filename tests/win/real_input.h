// Windows only: real input for the GUI tests, through the system's input
// queue (SendInput), as a user's mouse and keyboard produce it. Points are
// screen coordinates; the messages arrive when the test's thread next takes
// its messages (ProgramWindowsTest::Settle).
#pragma once

#include <windows.h>

#include <string>

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

}  // namespace testing_support
