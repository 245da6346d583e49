#include "tests/win/screen_shots.h"

#include "about/fm_about.h"
#include "tests/win/density_awareness.h"
#include "ui/framework/form_window.h"

namespace testing_support {

// Handles the program's messages until `done` holds or `ms` passed.
bool PumpUntil(app::TApplication& application, const std::function<bool()>& done, DWORD ms) {
  const DWORD until = GetTickCount() + ms;
  for (;;) {
    application.ProcessMessages();
    if (done()) return true;
    if (static_cast<LONG>(until - GetTickCount()) <= 0) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

ShotProgram::ShotProgram(const char* name, int argc, wchar_t** argv)
    : density_aware(DeclareDensityAwareness()),
      folder(argc == 2 ? argv[1] : L""),
      application("phonebook.exe", box),
      form(application.CreateForm<app::TMainForm>()) {
  application.CreateForm<about::TfmAbout>();
  if (folder.empty()) {
    std::fprintf(stderr, "usage: %s DIR\n", name);
    return;
  }
  form.Show();
  window = dynamic_cast<ui::FormWindow*>(form.Host());
  if (!window) std::fprintf(stderr, "the main window has no window\n");
}

}  // namespace testing_support
