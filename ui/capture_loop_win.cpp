#include "ui/capture_loop.h"

namespace ui {

namespace {

bool Dropped(UINT message, CaptureInput input) {
  if (input == CaptureInput::kAll) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_KEYFIRST && message <= WM_KEYLAST);
  }
  switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      return true;
    default:
      return false;
  }
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
