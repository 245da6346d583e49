#include "tests/win/real_input.h"

#include <vector>

namespace testing_support {

namespace {

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT MouseInputAt(POINT screen, DWORD flags) {
  // Absolute coordinates run from 0 to 65535 over the primary screen.
  const int width = GetSystemMetrics(SM_CXSCREEN) - 1, height = GetSystemMetrics(SM_CYSCREEN) - 1;
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = (screen.x * 65535 + width / 2) / width;
  input.mi.dy = (screen.y * 65535 + height / 2) / height;
  input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
  return input;
}

INPUT ButtonInput(Button button, bool down) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  switch (button) {
    case Button::kLeft:
      input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
      break;
    case Button::kRight:
      input.mi.dwFlags = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
      break;
    case Button::kMiddle:
      input.mi.dwFlags = down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
      break;
  }
  return input;
}

// A press or release that carries its place: the pointer's place when a
// batch of input is taken is not always where the batch's last move put it
// (under Wine, a late motion event of an earlier move can come between).
INPUT ButtonInputAt(POINT screen, Button button, bool down) {
  return MouseInputAt(screen, ButtonInput(button, down).mi.dwFlags);
}

INPUT KeyInput(WORD key, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_INSERT:
    case VK_DELETE:
      input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
      break;
    default:
      break;
  }
  return input;
}

}  // namespace

POINT ScreenPoint(HWND window, POINT client) {
  ClientToScreen(window, &client);
  return client;
}

POINT ClientCentre(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return ScreenPoint(window, POINT{r.right / 2, r.bottom / 2});
}

void MoveMouse(POINT screen) {
  Send({MouseInputAt(screen, 0)});
}

void PressButton(Button button) {
  Send({ButtonInput(button, true)});
}

void ReleaseButton(Button button) {
  Send({ButtonInput(button, false)});
}

void Click(POINT screen, Button button) {
  Send({MouseInputAt(screen, 0), ButtonInputAt(screen, button, true), ButtonInputAt(screen, button, false)});
}

void DoubleClick(POINT screen) {
  Send({MouseInputAt(screen, 0), ButtonInputAt(screen, Button::kLeft, true),
        ButtonInputAt(screen, Button::kLeft, false), ButtonInputAt(screen, Button::kLeft, true),
        ButtonInputAt(screen, Button::kLeft, false)});
}

std::vector<INPUT> MoveInputs(POINT from, POINT to, int steps) {
  std::vector<INPUT> inputs;
  for (int i = 1; i <= steps; ++i) {
    inputs.push_back(
        MouseInputAt(POINT{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps}, 0));
  }
  // The pointer rests at the end, as a hand's does.
  inputs.push_back(MouseInputAt(to, 0));
  return inputs;
}

INPUT KeyEvent(WORD key, bool down) {
  return KeyInput(key, down);
}

INPUT ButtonEvent(POINT screen, Button button, bool down) {
  return ButtonInputAt(screen, button, down);
}

std::vector<INPUT> DragInputs(POINT from, POINT to, int steps, Button button) {
  std::vector<INPUT> inputs{MouseInputAt(from, 0), ButtonInputAt(from, button, true)};
  const std::vector<INPUT> moves = MoveInputs(from, to, steps);
  inputs.insert(inputs.end(), moves.begin(), moves.end());
  inputs.push_back(ButtonInputAt(to, button, false));
  return inputs;
}

void Drag(POINT from, POINT to, int steps, Button button) {
  Send(DragInputs(from, to, steps, button));
}

InputSender::InputSender(std::vector<INPUT> inputs, int gap_ms)
    : thread_([this, inputs = std::move(inputs), gap_ms]() mutable {
        for (INPUT& input : inputs) {
          SendInput(1, &input, sizeof(INPUT));
          Sleep(static_cast<DWORD>(gap_ms));
        }
        done_ = true;
      }) {}

InputSender::~InputSender() {
  if (thread_.joinable()) thread_.join();
}

PacedDrag::PacedDrag(POINT from, POINT to, Button button, DWORD loop_thread, int steps, int pause_ms) {
  thread_ = std::thread([=, this] {
    const auto in_loop = [loop_thread] {
      GUITHREADINFO info{};
      info.cbSize = sizeof info;
      return GetGUIThreadInfo(loop_thread, &info) && (info.flags & GUI_INMOVESIZE);
    };
    // Waits up to `ms` for the loop to be running (`running`) or not.
    const auto wait_for = [&in_loop](bool running, int ms) {
      for (int waited = 0; waited < ms; waited += 5) {
        if (in_loop() == running) return true;
        Sleep(5);
      }
      return in_loop() == running;
    };
    Send({MouseInputAt(from, 0), ButtonInputAt(from, button, true)});
    saw_loop_ = wait_for(true, 3000);
    for (int i = 1; i <= steps; ++i) {
      Sleep(static_cast<DWORD>(pause_ms));
      Send({MouseInputAt(POINT{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps},
                         0)});
    }
    Sleep(static_cast<DWORD>(pause_ms));
    Send({ButtonInputAt(to, button, false)});
    ended_on_release_ = wait_for(false, 2000);
    if (!ended_on_release_) Send({KeyInput(VK_ESCAPE, true), KeyInput(VK_ESCAPE, false)});
    done_ = true;
  });
}

PacedDrag::~PacedDrag() {
  if (thread_.joinable()) thread_.join();
}

void KeyDown(WORD key) {
  Send({KeyInput(key, true)});
}

void KeyUp(WORD key) {
  Send({KeyInput(key, false)});
}

void PressKey(WORD key, unsigned modifiers) {
  std::vector<INPUT> inputs;
  if (modifiers & kCtrl) inputs.push_back(KeyInput(VK_CONTROL, true));
  if (modifiers & kShift) inputs.push_back(KeyInput(VK_SHIFT, true));
  if (modifiers & kAlt) inputs.push_back(KeyInput(VK_MENU, true));
  inputs.push_back(KeyInput(key, true));
  inputs.push_back(KeyInput(key, false));
  if (modifiers & kAlt) inputs.push_back(KeyInput(VK_MENU, false));
  if (modifiers & kShift) inputs.push_back(KeyInput(VK_SHIFT, false));
  if (modifiers & kCtrl) inputs.push_back(KeyInput(VK_CONTROL, false));
  Send(inputs);
}

void TypeText(const std::wstring& text) {
  std::vector<INPUT> inputs;
  for (wchar_t c : text) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = static_cast<WORD>(c);
    input.ki.dwFlags = KEYEVENTF_UNICODE;
    inputs.push_back(input);
    input.ki.dwFlags |= KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  Send(inputs);
}

HCURSOR CurrentCursor() {
  CURSORINFO info{};
  info.cbSize = sizeof info;
  return GetCursorInfo(&info) ? info.hCursor : nullptr;
}

COLORREF ScreenPixel(POINT screen) {
  HDC dc = GetDC(nullptr);
  const COLORREF color = GetPixel(dc, screen.x, screen.y);
  ReleaseDC(nullptr, dc);
  return color;
}

std::vector<COLORREF> ScreenPixels(const RECT& area) {
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  HDC copy = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(copy, bitmap);
  BitBlt(copy, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  std::vector<COLORREF> pixels;
  pixels.reserve(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(copy, x, y));
  }
  SelectObject(copy, previous);
  DeleteObject(bitmap);
  DeleteDC(copy);
  ReleaseDC(nullptr, screen);
  return pixels;
}

}  // namespace testing_support
