// Program entry. For now a placeholder window that proves the whole chain
// (cross build, Wine, Xvfb, screenshot); the real main window replaces it.
#include <windows.h>

#include <string>

#include "app/core/application_title.h"
#include "text/cp1251.h"
#include "text/literal.h"

namespace {

constexpr auto kPlaceholderText = text::Cp1251(u8"Телефонный справочник");

std::wstring Wide(std::string_view cp1251) {
  const std::u16string utf16 = text::Cp1251ToUtf16(cp1251);
  return std::wstring(utf16.begin(), utf16.end());
}

std::string ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return text::Utf16ToCp1251(std::u16string(path.begin(), path.end()));
}

LRESULT CALLBACK PlaceholderProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT client;
      GetClientRect(window, &client);
      const std::wstring text = Wide(kPlaceholderText);
      SetBkMode(dc, TRANSPARENT);
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = PlaceholderProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = L"PhonebookPlaceholder";
  if (!RegisterClassW(&window_class)) return 1;

  const std::wstring title = Wide(app::ApplicationTitle(ExecutablePath()));
  HWND window = CreateWindowExW(0, window_class.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, 307, 223, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  ShowWindow(window, show);
  UpdateWindow(window);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
