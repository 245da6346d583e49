#include "ui/framework/capture_loop.h"

namespace ui {

namespace {

bool IsKeyMessage(UINT message) {
  return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}

bool IsWheel(UINT message) {
  return message == WM_MOUSEWHEEL || message == WM_MOUSEHWHEEL;
}

bool Dropped(UINT message, CaptureInput input) {
  const bool mouse = message >= WM_MOUSEFIRST && message <= WM_MOUSELAST;
  if (input == CaptureInput::kAll) return mouse || IsKeyMessage(message);
  return (mouse && !IsWheel(message)) || IsKeyMessage(message);
}

}  // namespace

CaptureEnd RunCaptureLoop(const MouseCapture& capture, const CaptureLoop& loop) {
  while (loop.running()) {
    MSG message;
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return CaptureEnd::kQuit;
    }
    if (!capture.Held()) {
      DispatchMessageW(&message);
      return CaptureEnd::kCaptureLost;
    }
    switch (message.message) {
      case WM_MOUSEMOVE: {
        POINT at = message.pt;
        if (loop.move_point == MovePoint::kCursor) GetCursorPos(&at);
        loop.move(at);
        break;
      }
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK:
        if (loop.left_down) loop.left_down();
        break;
      case WM_LBUTTONUP:
        loop.left_up(message.pt);
        break;
      case WM_KEYDOWN:
      case WM_KEYUP:
      case WM_SYSKEYDOWN:
      case WM_SYSKEYUP:
        if (loop.key) {
          loop.key(KeyStroke{message.wParam,
                             message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN,
                             message.message == WM_SYSKEYDOWN || message.message == WM_SYSKEYUP});
        }
        break;
      default:
        if (Dropped(message.message, loop.input)) break;
        TranslateMessage(&message);
        DispatchMessageW(&message);
        break;
    }
  }
  return CaptureEnd::kDone;
}

}  // namespace ui
