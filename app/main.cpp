// Program entry: the application object, a placeholder main window (the real
// one, read from its embedded description, replaces it), the message loop.
#include <windows.h>

#include "app/application.h"
#include "app/core/error_text.h"
#include "base/exception.h"
#include "text/literal.h"
#include "ui/wide_text.h"
#include "ui/window.h"

namespace {

constexpr auto kPlaceholderText = text::Cp1251(u8"Телефонный справочник");

class PlaceholderWindow final : public ui::Window {
 public:
  explicit PlaceholderWindow(app::TApplication& application) : application_(application) {
    SetErrorSink(&application);
    if (!CreateHandle(L"PhonebookPlaceholder", 0, WS_OVERLAPPEDWINDOW, ui::Wide(application.Title()),
                      CW_USEDEFAULT, CW_USEDEFAULT, 307, 223, application.Handle())) {
      throw base::Exception("Cannot create the main window");
    }
    application.SetMainWindowIfFirst(Handle());
  }

 private:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override {
    switch (message) {
      case WM_PAINT:
        OnPaint();
        return 0;
      case WM_ERASEBKGND:
        return OnEraseBackground(reinterpret_cast<HDC>(wparam));
      case WM_DESTROY:
        application_.MainWindowClosed();
        return 0;
      default:
        return DefaultHandling(message, wparam, lparam);
    }
  }
  LRESULT OnEraseBackground(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    return 1;
  }
  void OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    RECT client;
    GetClientRect(Handle(), &client);
    const std::wstring text = ui::Wide(kPlaceholderText);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(Handle(), &paint);
  }

  app::TApplication& application_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  app::SystemMessageBox box;
  const std::string exe_path = app::ExecutablePath();
  try {
    app::TApplication application(exe_path, box);
    PlaceholderWindow window(application);
    ShowWindow(window.Handle(), show);
    return application.Run();
  } catch (const base::Exception& e) {
    // An error before the loop runs: shown as an unexpected error, then exit code 1.
    const std::string text = app::UnexpectedErrorText(e.ClassName(), exe_path, 0, e.Message());
    box.Show(nullptr, text, "Application Error", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    return 1;
  }
}
