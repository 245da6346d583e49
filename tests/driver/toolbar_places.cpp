#include "tests/driver/toolbar_places.h"

#include "tests/win/real_input.h"

namespace driver {

namespace {

constexpr wchar_t kDropDown[] = L"TTBDropDownWindow";

void CloseMenus(const ProgramUnderTest& program) {
  if (!program.VisibleTop(kDropDown)) return;
  testing_support::PressKey(VK_ESCAPE);
  WaitUntil(
      program, [&] { return program.VisibleTop(kDropDown) == nullptr; }, 2000);
}

}  // namespace

HWND OpenMenu(const ProgramUnderTest& program, POINT button, std::wstring* text) {
  testing_support::Click(button);
  HWND drop_down = nullptr;
  WaitUntil(
      program, [&] { return (drop_down = program.VisibleTop(kDropDown)) != nullptr; }, 2000);
  if (drop_down && text) *text = AskText(drop_down).value_or(L"");
  return drop_down;
}

ToolbarPlaces FindToolbarPlaces(const ProgramUnderTest& program) {
  ToolbarPlaces places;
  HWND bar = program.Control(L"TTBToolbar");
  if (!bar) return places;
  RECT client;
  GetClientRect(bar, &client);
  const int y = client.bottom / 2;
  // Each button's first and last place where a click opened its menu; the
  // probe ends past the "Показать" button (a click there may show the About
  // window, which is hidden again).
  int work_from = -1, work_to = -1, show_from = -1, show_to = -1;
  for (int x = 2; x < client.right - 2; x += 4) {
    const POINT at = testing_support::ScreenPoint(bar, POINT{x, y});
    testing_support::Click(at);
    HWND drop_down = nullptr;
    WaitUntil(
        program, [&] { return (drop_down = program.VisibleTop(kDropDown)) != nullptr; }, 150);
    const std::wstring text = drop_down ? AskText(drop_down).value_or(L"") : L"";
    CloseMenus(program);
    if (text.find(L"Выход") != std::wstring::npos) {
      if (work_from < 0) work_from = x;
      work_to = x;
    } else if (text.find(L"Панель результата") != std::wstring::npos) {
      if (show_from < 0) show_from = x;
      show_to = x;
    } else if (show_from >= 0) {
      break;
    }
  }
  places.work = testing_support::ScreenPoint(bar, POINT{(work_from + work_to) / 2, y});
  places.show = testing_support::ScreenPoint(bar, POINT{(show_from + show_to) / 2, y});
  if (HWND about = program.VisibleTop(L"TfmAbout")) {
    if (HWND mark = program.ControlWithText(about, L"TLabel", L" x ")) testing_support::Click(CentreOf(mark));
    WaitUntil(
        program, [&] { return !IsWindowVisible(about); }, 2000);
  }
  places.found = work_from >= 0 && show_from >= 0;
  places.about = testing_support::ScreenPoint(bar, POINT{client.right - 4, y});
  return places;
}

}  // namespace driver
