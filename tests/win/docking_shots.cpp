// The README's screenshots of docking (Windows only; run under Wine's
// virtual desktop, see the README): the program's windows created as the
// program creates them and the main window shown; the result window dragged
// by its handle, with real input, to float below and right of the main
// window, and the screen under both saved as DIR/float-result.bmp; then the
// result window docked again and the toolbar dragged by its handle to float
// below the main window, saved as DIR/float-toolbar.bmp.
//
//   docking_shots.exe DIR
#include <windows.h>

#include <cstdio>
#include <string>

#include "about/fm_about.h"
#include "app/application.h"
#include "app/docking/dock_drag.h"
#include "app/docking/dockable_view.h"
#include "app/docking/tb_floating_window_parent.h"
#include "app/forms/main_form.h"
#include "tests/win/real_input.h"
#include "tests/win/screen_shots.h"

namespace {

using testing_support::PumpUntil;
using testing_support::WindowRect;

// The handle strip of a docked window: 5 pixels in from its left edge.
POINT HandleOf(HWND docked) {
  const RECT r = WindowRect(docked);
  return POINT{r.left + 5, (r.top + r.bottom) / 2};
}

// Drags `window` by its handle to `to` while the program takes the
// messages, moves the pointer out of the way and saves the main window with
// the floating frame at `path`; false (said on the error stream) when the
// window did not float or the file was not written.
bool FloatAndSave(app::TApplication& application, ui::FormWindow& form, app::TTBDockableWindow& window,
                  POINT to, const std::wstring& path) {
  {
    const POINT from = HandleOf(form.ViewOf(window)->Handle());
    testing_support::InputSender sender(testing_support::DragInputs(from, to, 10));
    PumpUntil(
        application, [&] { return sender.Done(); }, 5000);
  }
  PumpUntil(
      application, [] { return false; }, 400);
  app::TTBFloatingWindowParent* frame = app::FloatingFrameOf(window);
  ui::ControlView* frame_view = frame && window.Floating() ? form.ViewOf(*frame) : nullptr;
  if (!frame_view) {
    std::fprintf(stderr, "%s did not float\n", window.Name().c_str());
    return false;
  }
  testing_support::MoveMouse(POINT{GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2});
  PumpUntil(
      application, [] { return false; }, 400);
  const RECT main_rect = WindowRect(form.Handle()), frame_rect = WindowRect(frame_view->Handle());
  RECT shot;
  UnionRect(&shot, &main_rect, &frame_rect);
  InflateRect(&shot, 8, 8);
  return testing_support::SaveScreen(shot, path);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  testing_support::ShotProgram program("docking_shots", argc, argv);
  if (!program.Ready()) return program.FailureStatus();
  const std::wstring& folder = program.folder;
  app::TApplication& application = program.application;
  app::TMainForm& form = program.form;
  ui::FormWindow* window = program.window;
  PumpUntil(
      application, [] { return false; }, 500);
  const RECT main_rect = WindowRect(window->Handle());
  if (!FloatAndSave(application, *window, *form.twResult, POINT{main_rect.left + 120, main_rect.bottom + 40},
                    folder + L"\\float-result.bmp"))
    return 1;
  app::DockWindowAgain(*dynamic_cast<app::DockableView*>(window->ViewOf(*form.twResult)));
  PumpUntil(
      application, [] { return false; }, 600);
  return FloatAndSave(application, *window, *form.TBToolbar1,
                      POINT{main_rect.left + 60, main_rect.bottom + 30}, folder + L"\\float-toolbar.bmp")
             ? 0
             : 1;
}
