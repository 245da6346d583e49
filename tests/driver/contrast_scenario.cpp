#include "tests/driver/contrast_scenario.h"

#include <cstdio>
#include <string>
#include <vector>

#include "tests/common/child_process.h"
#include "tests/driver/program_under_test.h"
#include "tests/driver/toolbar_places.h"
#include "tests/win/real_input.h"

namespace driver {

namespace {

// Reads `area` (client coordinates of `window`) from the screen and checks
// its text contrast.
void CheckRegion(const std::string& what, HWND window, RECT area, Report& report) {
  if (!report.Check(area.right > area.left && area.bottom > area.top, what + " has an area")) return;
  const POINT corner = testing_support::ScreenPoint(window, POINT{area.left, area.top});
  const std::vector<COLORREF> pixels = testing_support::ScreenPixels(
      RECT{corner.x, corner.y, corner.x + (area.right - area.left), corner.y + (area.bottom - area.top)});
  const std::optional<double> ratio = RegionContrast({pixels.begin(), pixels.end()});
  char seen[32] = "one colour, no text";
  if (ratio) std::snprintf(seen, sizeof seen, "%.2f:1", *ratio);
  report.Check(ratio && *ratio >= kReadableContrast, what + " reads at 4.5:1 or more", seen);
}

// The client area of `window` less `inset` pixels on every side (frames,
// focus rectangles and edges are not text).
RECT Inside(HWND window, int inset) {
  RECT r{};
  if (!GetClientRect(window, &r)) return RECT{};
  InflateRect(&r, -inset, -inset);
  return r;
}

void CheckWindow(const std::string& what, HWND window, int inset, Report& report) {
  if (report.Check(window != nullptr, what + " is found"))
    CheckRegion(what, window, Inside(window, inset), report);
}

// Every direct and nested child of `parent` of class `name`.
std::vector<HWND> ControlsOf(HWND parent, const wchar_t* name) {
  struct Search {
    const wchar_t* name;
    std::vector<HWND> found;
  } search{name, {}};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM data) {
        auto* s = reinterpret_cast<Search*>(data);
        if (testing_support::WindowClassName(child) == s->name) s->found.push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Each of the list's eight rows (less a pixel for the focus rectangle).
void CheckListRows(HWND list, Report& report) {
  RECT client;
  GetClientRect(list, &client);
  const int row_height = client.bottom / 8;
  for (int row = 0; row < 8 && row_height > 2; ++row) {
    const RECT area{1, row * row_height + 1, client.right - 1, (row + 1) * row_height - 1};
    CheckRegion("name list row " + std::to_string(row + 1), list, area, report);
  }
}

void ParkPointer() {
  testing_support::MoveMouse(POINT{GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2});
}

}  // namespace

int TextContrast(const Setup& setup, Report& report) {
  ProgramUnderTest program(setup.exe);
  if (!StartProgram(program, report)) return report.Failures();
  const ToolbarPlaces places = FindToolbarPlaces(program);
  if (!report.Check(places.found, "the toolbar's menu buttons are found")) return report.Failures();
  const HWND main = program.Main();

  // 1. After a number search: the answer, the toolbar, the status bar.
  const HWND field = program.Control(L"TMaskEdit");
  testing_support::Click(CentreOf(field));
  const auto& rows = setup.directory.Rows();
  testing_support::TypeText(Wide(rows[rows.size() / 3].second) + L"\r");
  // The answer re-creates the memo (its alignment changes): looked up anew.
  WaitUntil(program,
            [&] { return SplitLines(Utf8(AskText(program.ResultMemo()).value_or(L""))).size() == 3; });
  const HWND memo = program.ResultMemo();
  ParkPointer();
  program.Settle(300);
  CheckWindow("the answer", memo, 1, report);
  CheckWindow("the toolbar", program.Control(L"TTBToolbar"), 2, report);
  const HWND status = program.Control(L"TStatusBar");
  if (report.Check(status != nullptr, "the status bar is found")) {
    RECT left = Inside(status, 3);
    left.right = left.left + (left.right - left.left) / 2;
    CheckRegion("the status bar", status, left, report);
  }

  // 2. The name list open after "ив": the picker, each row, and the labels
  // and the number field, which have given up the focus.
  const HWND picker = program.Control(L"TRxDBLookupCombo");
  testing_support::Click(CentreOf(picker));
  HWND list = nullptr;
  WaitUntil(program, [&] { return (list = program.VisibleTop(L"TRxPopupDataList")) != nullptr; });
  testing_support::TypeText(L"ив");
  WaitUntil(program, [&] { return AskText(picker) == L"ИВ"; });
  ParkPointer();
  program.Settle(300);
  if (report.Check(list != nullptr, "the name list is open")) CheckListRows(list, report);
  RECT picker_text = Inside(picker, 2);
  picker_text.right -= GetSystemMetrics(SM_CXVSCROLL);
  CheckRegion("the picker", picker, picker_text, report);
  CheckWindow("the number field", field, 2, report);
  for (const HWND label : ControlsOf(main, L"TLabel")) {
    CheckWindow("the label " + Utf8(AskText(label).value_or(L"")), label, 0, report);
  }
  testing_support::PressKey(VK_ESCAPE);
  program.Settle(200);

  // 3. "Показать" open: its item, then its item under the pointer.
  std::wstring text;
  if (HWND menu = OpenMenu(program, places.show, &text); report.Check(menu != nullptr, "the menu opens")) {
    // The item's caption, right of the image column with the check mark.
    RECT caption = Inside(menu, 3);
    caption.left += (caption.right - caption.left) / 3;
    ParkPointer();
    program.Settle(300);
    CheckRegion("the open menu's item", menu, caption, report);
    testing_support::MoveMouse(CentreOf(menu));
    program.Settle(300);
    CheckRegion("the open menu's item under the pointer", menu, caption, report);
    testing_support::PressKey(VK_ESCAPE);
    WaitUntil(program, [&] { return !IsWindowVisible(menu); });
  }

  // 4. The About window: its text, its links, its close mark under the pointer.
  testing_support::Click(places.about);
  HWND about = nullptr;
  WaitUntil(program, [&] { return (about = program.VisibleTop(L"TfmAbout")) != nullptr; });
  if (report.Check(about != nullptr, "the About window shows")) {
    ParkPointer();
    program.Settle(300);
    const std::vector<HWND> texts = ControlsOf(about, L"TMemo");
    CheckWindow("the About text", texts.empty() ? nullptr : texts[0], 0, report);
    for (const wchar_t* link : {L"example.com", L"example.org"}) {
      CheckWindow("the link " + Utf8(link), program.ControlWithText(about, L"TLabel", link), 0, report);
    }
    const HWND mark = program.ControlWithText(about, L"TLabel", L" x ");
    if (mark) testing_support::MoveMouse(CentreOf(mark));
    program.Settle(300);
    CheckWindow("the close mark under the pointer", mark, 0, report);
    if (mark) testing_support::Click(CentreOf(mark));
    WaitUntil(program, [&] { return !IsWindowVisible(about); });
  }
  return EndWithAltF4(program, report);
}

}  // namespace driver
