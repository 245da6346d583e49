#include "tests/driver/screenshots.h"

#include <initializer_list>

#include "tests/driver/program_under_test.h"
#include "tests/driver/toolbar_places.h"
#include "tests/win/real_input.h"
#include "tests/win/screen_capture.h"

namespace driver {

namespace {

constexpr int kMargin = 8;

// Saves the union of the windows' rectangles with a margin as `name`.bmp.
bool Shoot(const ProgramUnderTest& program, const std::wstring& folder, const char* name,
           std::initializer_list<HWND> windows, Report& report) {
  // Everything painted: the program answers, then a pause for the drawing.
  program.Settle(400);
  RECT shot{};
  for (HWND window : windows) {
    if (!window) continue;
    RECT r;
    GetWindowRect(window, &r);
    UnionRect(&shot, &shot, &r);
  }
  InflateRect(&shot, kMargin, kMargin);
  shot.left = std::max(0L, shot.left);
  shot.top = std::max(0L, shot.top);
  const bool saved = testing_support::SaveScreen(shot, folder + L"\\" + Wide(name) + L".bmp");
  return report.Check(saved, std::string("saved ") + name);
}

}  // namespace

int TakeScreenshots(const Setup& setup, const std::wstring& folder, Report& report) {
  ProgramUnderTest program(setup.exe);
  if (!report.Check(program.Started() && program.WaitForMainWindow(), "the program shows its main window"))
    return report.Failures();
  HWND main = program.Main();
  // Out of the way of every window.
  testing_support::MoveMouse(POINT{GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2});
  Shoot(program, folder, "main-window", {main}, report);

  const ToolbarPlaces places = FindToolbarPlaces(program);
  if (!report.Check(places.found, "the toolbar's menu buttons are found")) return report.Failures();
  testing_support::Click(places.about);
  HWND about = nullptr;
  WaitUntil(program, [&] { return (about = program.VisibleTop(L"TfmAbout")) != nullptr; });
  if (report.Check(about != nullptr, "the About window shows")) {
    testing_support::MoveMouse(POINT{GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2});
    Shoot(program, folder, "about-window", {about}, report);
    if (HWND mark = program.ControlWithText(about, L"TLabel", L" x ")) testing_support::Click(CentreOf(mark));
    WaitUntil(program, [&] { return !IsWindowVisible(about); });
  }

  HWND field = program.Control(L"TMaskEdit");
  testing_support::Click(CentreOf(field));
  const auto& rows = setup.directory.Rows();
  testing_support::TypeText(Wide(rows[rows.size() / 2].second) + L"\r");
  WaitUntil(program,
            [&] { return SplitLines(Utf8(AskText(program.ResultMemo()).value_or(L""))).size() == 3; });
  testing_support::MoveMouse(POINT{GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2});
  Shoot(program, folder, "number-answer", {main}, report);

  // The conversion error: Enter in the empty field.
  testing_support::PressKey(VK_RETURN);
  std::vector<HWND> boxes;
  WaitUntil(program, [&] { return !(boxes = program.ErrorBoxes()).empty(); });
  if (report.Check(boxes.size() == 1, "the conversion error shows")) {
    Shoot(program, folder, "error-box", {main, boxes[0]}, report);
    testing_support::PressKey(VK_RETURN);
    WaitUntil(program, [&] { return program.ErrorBoxes().empty(); });
  }

  std::wstring text;
  if (HWND menu = OpenMenu(program, places.show, &text)) {
    Shoot(program, folder, "menu-open", {main, menu}, report);
    testing_support::PressKey(VK_ESCAPE);
    WaitUntil(program, [&] { return !IsWindowVisible(menu); });
  }

  HWND picker = program.Control(L"TRxDBLookupCombo");
  testing_support::Click(CentreOf(picker));
  HWND list = nullptr;
  WaitUntil(program, [&] { return (list = program.VisibleTop(L"TRxPopupDataList")) != nullptr; });
  testing_support::TypeText(L"ив");
  WaitUntil(program, [&] { return AskText(picker) == L"ИВ"; });
  testing_support::MoveMouse(POINT{GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2});
  if (report.Check(list != nullptr, "the name list is open"))
    Shoot(program, folder, "name-list", {main, list}, report);
  testing_support::PressKey(VK_RETURN);
  program.Settle(200);
  PostMessageW(main, WM_CLOSE, 0, 0);
  report.Check(program.WaitForExit(5000) == std::optional<DWORD>(0), "the program ends with 0");
  return report.Failures();
}

}  // namespace driver
