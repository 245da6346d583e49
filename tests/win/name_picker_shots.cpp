// The README's screenshots of the name search (Windows only; run under
// Wine's virtual desktop, see the README): the program's windows created as
// the program creates them, the main window shown, "ив" typed into the name
// picker with real input, the screen under the main window and the open list
// saved as DIR/name-list.bmp; then Enter, and the main window with the
// answer in the memo saved as DIR/name-answer.bmp.
//
//   name_picker_shots.exe DIR
#include <windows.h>

#include <cstdio>
#include <string>

#include "about/fm_about.h"
#include "app/application.h"
#include "app/forms/main_form.h"
#include "search/lookup_combo_view.h"
#include "tests/win/real_input.h"
#include "tests/win/screen_shots.h"

namespace {

using testing_support::PumpUntil;
using testing_support::SaveScreen;
using testing_support::SilentBox;
using testing_support::WindowRect;

}  // namespace

int wmain(int argc, wchar_t** argv) {
  testing_support::ShotProgram program("name_picker_shots", argc, argv);
  if (!program.Ready()) return program.FailureStatus();
  const std::wstring& folder = program.folder;
  app::TApplication& application = program.application;
  app::TMainForm& form = program.form;
  ui::FormWindow* window = program.window;
  auto* picker = dynamic_cast<search::LookupComboView*>(window->ViewNamed("RxDBLookupCombo1"));
  if (!picker) return 1;
  const HWND list = picker->ListView()->Handle();
  testing_support::MoveMouse(POINT{GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2});
  PumpUntil(
      application, [] { return false; }, 300);
  SetFocus(picker->Handle());
  testing_support::TypeText(L"\u0438\u0432");  // "ив"
  const auto opened = [&] {
    return IsWindowVisible(list) && form.RxDBLookupCombo1->List().SearchText().size() == 2;
  };
  if (!PumpUntil(application, opened, 3000)) {
    std::fprintf(stderr, "the list did not open\n");
    return 1;
  }
  PumpUntil(
      application, [] { return false; }, 300);
  const RECT main_rect = WindowRect(window->Handle());
  const RECT list_rect = WindowRect(list);
  RECT shot;
  UnionRect(&shot, &main_rect, &list_rect);
  if (!testing_support::SaveScreen(shot, folder + L"\\name-list.bmp")) return 1;

  testing_support::PressKey(VK_RETURN);
  if (!PumpUntil(
          application, [&] { return !IsWindowVisible(list); }, 3000))
    return 1;
  PumpUntil(
      application, [] { return false; }, 300);
  if (!testing_support::SaveScreen(WindowRect(window->Handle()), folder + L"\\name-answer.bmp")) return 1;
  return 0;
}
