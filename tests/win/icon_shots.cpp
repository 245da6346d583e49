// The README's screenshot of the program's icon (Windows only; run under
// Wine's virtual desktop, see the README): the main window created and shown
// as the program does it, with its title bar's small icon, and under it a
// plain window that draws the main window's class icons as the system hands
// them out, the big one (task bar, Alt+Tab) and the small one (title bar),
// each at its size and enlarged four times pixel by pixel. The screen under
// both windows is saved as DIR/program-icons.bmp.
//
//   icon_shots.exe DIR
#include <windows.h>

#include <cstdio>
#include <string>

#include "about/fm_about.h"
#include "app/application.h"
#include "app/forms/main_form.h"
#include "tests/win/screen_shots.h"
#include "ui/framework/gdi.h"

namespace {

using testing_support::PumpUntil;
using testing_support::SilentBox;
using testing_support::WindowRect;

constexpr int kZoom = 4;
constexpr int kMargin = 8;

// Draws `icon` at `size` at (x, y), then enlarged kZoom times to its right.
int DrawIconAndZoom(HDC dc, HICON icon, int size, int x, int y) {
  const ui::MemoryDC memory(dc, size, size);
  RECT all{0, 0, size, size};
  FillRect(memory.Get(), &all, GetSysColorBrush(COLOR_WINDOW));
  DrawIconEx(memory.Get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  BitBlt(dc, x, y + (size * kZoom - size) / 2, size, size, memory.Get(), 0, 0, SRCCOPY);
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, x + size + kMargin, y, size * kZoom, size * kZoom, memory.Get(), 0, 0, size, size, SRCCOPY);
  return x + size + kMargin + size * kZoom;
}

LRESULT CALLBACK IconsProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message != WM_PAINT) return DefWindowProcW(window, message, wparam, lparam);
  // The main window whose class icons are drawn, kept in the window's user data.
  const auto main_window = reinterpret_cast<HWND>(GetWindowLongPtrW(window, GWLP_USERDATA));
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  const auto big = reinterpret_cast<HICON>(GetClassLongPtrW(main_window, GCLP_HICON));
  const auto small_icon = reinterpret_cast<HICON>(GetClassLongPtrW(main_window, GCLP_HICONSM));
  const int big_size = GetSystemMetrics(SM_CXICON), small_size = GetSystemMetrics(SM_CXSMICON);
  const int right = DrawIconAndZoom(dc, big, big_size, kMargin, kMargin);
  DrawIconAndZoom(dc, small_icon, small_size, right + 3 * kMargin,
                  kMargin + (big_size - small_size) * kZoom / 2);
  EndPaint(window, &paint);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  testing_support::ShotProgram program("icon_shots", argc, argv);
  if (!program.Ready()) return program.FailureStatus();
  const std::wstring& folder = program.folder;
  app::TApplication& application = program.application;
  ui::FormWindow* window = program.window;

  WNDCLASSW icons_class{};
  icons_class.lpfnWndProc = &IconsProcedure;
  icons_class.hInstance = GetModuleHandleW(nullptr);
  icons_class.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  icons_class.lpszClassName = L"PhonebookIconShot";
  if (!RegisterClassW(&icons_class)) return 1;
  const RECT main_rect = WindowRect(window->Handle());
  const int big_size = GetSystemMetrics(SM_CXICON), small_size = GetSystemMetrics(SM_CXSMICON);
  const int width = 7 * kMargin + (big_size + small_size) * (kZoom + 1);
  const int height = 2 * kMargin + big_size * kZoom;
  HWND icons = CreateWindowExW(WS_EX_TOOLWINDOW, icons_class.lpszClassName, L"", WS_POPUP | WS_BORDER,
                               main_rect.left, main_rect.bottom + kMargin, width, height, window->Handle(),
                               nullptr, icons_class.hInstance, nullptr);
  if (!icons) return 1;
  SetWindowLongPtrW(icons, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window->Handle()));
  ShowWindow(icons, SW_SHOWNOACTIVATE);
  PumpUntil(
      application, [] { return false; }, 800);
  RECT shot;
  const RECT icons_rect = WindowRect(icons);
  UnionRect(&shot, &main_rect, &icons_rect);
  const bool saved = testing_support::SaveScreen(shot, folder + L"\\program-icons.bmp");
  DestroyWindow(icons);
  return saved ? 0 : 1;
}
