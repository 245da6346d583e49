#include "tests/driver/scenarios.h"

#include <functional>
#include <map>
#include <string>

#include "tests/common/child_process.h"
#include "tests/driver/contrast_scenario.h"
#include "tests/driver/memory_check.h"
#include "tests/driver/program_under_test.h"
#include "tests/driver/reader.h"
#include "tests/driver/reader_scenarios.h"
#include "tests/driver/toolbar_places.h"
#include "tests/win/real_input.h"

namespace driver {

namespace {

using testing_support::Click;
using testing_support::PressKey;
using testing_support::TypeText;

constexpr wchar_t kNothingYet[] = L"Пока ничего нет!";
constexpr wchar_t kEmptyField[] = L"_-__-__";

std::string TextNow(HWND window) {
  return Utf8(AskText(window).value_or(L"<no answer>"));
}

// The window that has the keyboard focus in the program's thread.
HWND FocusOf(const ProgramUnderTest& program) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(program.Main(), nullptr);
  return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

bool WaitForText(const ProgramUnderTest& program, HWND window, const std::wstring& text, DWORD ms = 3000) {
  return WaitUntil(
      program, [&] { return AskText(window) == text; }, ms);
}

// Waits for `window` to show `text`, then checks it, showing what it holds.
bool CheckTextBecomes(const ProgramUnderTest& program, Report& report, HWND window, const std::wstring& text,
                      const std::string& what) {
  const bool ok = WaitForText(program, window, text);
  return report.Check(ok, what, TextNow(window));
}

// The application's title for `exe`: its file name cut at the first ".",
// every character after the first lower-cased.
std::wstring TitleOf(const std::wstring& exe) {
  std::wstring name = exe.substr(exe.find_last_of(L"\\/") + 1);
  name = name.substr(0, name.find(L'.'));
  if (name.size() > 1) CharLowerBuffW(name.data() + 1, static_cast<DWORD>(name.size() - 1));
  return name;
}

// The density `window` is shown at (its monitor's where the system tells,
// else the system's): the driver is aware of every density itself, so both
// are the screen's own pixels.
int DensityOf(HWND window) {
  using DpiForWindow = UINT(WINAPI*)(HWND);
  HMODULE user = GetModuleHandleW(L"user32.dll");
  const auto get =
      user ? reinterpret_cast<DpiForWindow>(reinterpret_cast<void*>(GetProcAddress(user, "GetDpiForWindow")))
           : nullptr;
  if (const UINT dpi = get ? get(window) : 0; dpi != 0) return static_cast<int>(dpi);
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

// A started program with its main window, or a failed check.
bool Start(ProgramUnderTest& program, Report& report) {
  if (!report.Check(program.Started(), "the program starts")) return false;
  return report.Check(program.WaitForMainWindow(), "the main window shows");
}

bool EndsWithZero(ProgramUnderTest& program, Report& report, const std::string& how) {
  const auto code = program.WaitForExit(5000);
  JsonLine line;
  line.Text("closed-by", how).Flag("ended", code.has_value()).Number("exit-code", code ? *code : -1);
  report.Write(line);
  return report.Check(code == std::optional<DWORD>(0), "the program ends with exit code 0 after " + how);
}

// After whatever the scenario did, a screen reader still reads the whole
// tree of `window` (the main window's has more than ten elements).
void ReaderReadsTree(HWND window, Report& report, const std::string& what = "the main window") {
  Reader reader(0);
  const ReadElement tree = Reader::Tree(window);
  report.Check(SUCCEEDED(tree.result) && ElementCount(tree) > (what == "the main window" ? 10u : 1u),
               "a screen reader reads " + what + "'s tree", std::to_string(ElementCount(tree)));
}

// Closes the program with Alt+F4 and checks its exit code; the failures.
int EndByAltF4(ProgramUnderTest& program, Report& report) {
  ReaderReadsTree(program.Main(), report);
  PressKey(VK_F4, testing_support::kAlt);
  EndsWithZero(program, report, "Alt+F4");
  return report.Failures();
}

// Start(), then the toolbar's buttons found.
bool StartWithToolbar(ProgramUnderTest& program, Report& report, ToolbarPlaces* places) {
  if (!Start(program, report)) return false;
  *places = FindToolbarPlaces(program);
  return report.Check(places->found, "the toolbar's menu buttons are found");
}

// A point on the caption's close button, found by asking the window what
// is where (WM_NCHITTEST), or nothing.
std::optional<POINT> CloseButtonOf(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  for (int y = r.top + 2; y < r.top + 48; y += 2) {
    for (int x = r.right - 2; x > r.right - 80; x -= 2) {
      DWORD_PTR hit = 0;
      if (SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000, &hit) &&
          hit == HTCLOSE)
        return POINT{x - 3, y + 3};
    }
  }
  return std::nullopt;
}

int NumberSearch(const Setup& setup, Report& report) {
  ProgramUnderTest program(setup.exe);
  if (!Start(program, report)) return report.Failures();
  // A number from the middle of the directory, without a leading zero.
  const auto& rows = setup.directory.Rows();
  size_t row = rows.size() / 2;
  while (row < rows.size() && rows[row].second[0] == '0') ++row;
  const std::int64_t number = std::stoll(rows[row].second);
  const std::string owner = setup.directory.NameOf(number).value_or("");
  HWND field = program.Control(L"TMaskEdit");
  HWND memo = program.ResultMemo();
  report.Check(field && memo, "the number field and the memo are there");
  report.Check(TextNow(memo) == Utf8(kNothingYet), "the memo starts with its first text", TextNow(memo));
  Click(CentreOf(field));
  WaitUntil(program, [&] { return FocusOf(program) == field; });
  report.Check(FocusOf(program) == field, "a click puts the focus in the number field");
  TypeText(Wide(rows[row].second));
  const std::wstring typed = Wide(rows[row].second.substr(0, 1) + "-" + rows[row].second.substr(1, 2) + "-" +
                                  rows[row].second.substr(3, 2));
  CheckTextBecomes(program, report, field, typed, "the field shows the typed number");
  PressKey(VK_RETURN);
  memo = nullptr;
  // The memo's window is made again when its alignment changes.
  const std::wstring expected = Wide(AnswerText(owner, number));
  WaitUntil(program, [&] {
    memo = program.ResultMemo();
    return memo && AskText(memo) == expected;
  });
  report.Check(memo && AskText(memo) == expected, "the memo holds the owner's answer",
               memo ? TextNow(memo) : "");
  CheckTextBecomes(program, report, field, kEmptyField, "the field is cleared");
  report.Check(program.ErrorBoxes().empty(), "no error box");
  // A number that nobody has leaves the memo as it is.
  std::int64_t free_number = 10000;
  while (setup.directory.NameOf(free_number)) ++free_number;
  TypeText(std::to_wstring(free_number) + L"\r");
  report.Check(WaitForText(program, field, kEmptyField), "the field is cleared after a number nobody has");
  program.Settle(100);
  report.Check(AskText(memo) == expected, "a number nobody has leaves the memo", TextNow(memo));
  return EndByAltF4(program, report);
}

int NameSearch(const Setup& setup, Report& report) {
  ProgramUnderTest program(setup.exe);
  if (!Start(program, report)) return report.Failures();
  HWND picker = program.Control(L"TRxDBLookupCombo");
  report.Check(picker != nullptr, "the name picker is there");
  report.Check(TextNow(picker).empty(), "the picker shows no name at first", TextNow(picker));
  Click(CentreOf(picker));
  HWND list = nullptr;
  WaitUntil(program, [&] { return (list = program.VisibleTop(L"TRxPopupDataList")) != nullptr; });
  if (!report.Check(list != nullptr, "a click on the picker opens its list")) return report.Failures();
  TypeText(L"ив");
  CheckTextBecomes(program, report, picker, L"ИВ", "the picker shows the typed letters in the name's case");
  const std::vector<std::string> rows = SplitLines(TextNow(list));
  DWORD_PTR selected = 0;
  SendMessageTimeoutW(list, LB_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, 2000, &selected);
  const auto row = static_cast<LRESULT>(selected);
  report.Check(rows.size() == 8, "the list shows eight names", std::to_string(rows.size()));
  const bool highlighted = row >= 0 && static_cast<size_t>(row) < rows.size();
  report.Check(highlighted && rows[row].rfind("ИВ", 0) == 0,
               "the highlighted row begins with the typed letters",
               highlighted ? rows[row] : std::to_string(row));
  if (!highlighted) return report.Failures();
  const std::string name = rows[row];
  PressKey(VK_RETURN);
  WaitUntil(program, [&] { return program.VisibleTop(L"TRxPopupDataList") == nullptr; });
  report.Check(program.VisibleTop(L"TRxPopupDataList") == nullptr, "Enter closes the list");
  CheckTextBecomes(program, report, picker, Wide(name), "the picker shows the chosen name");
  HWND memo = nullptr;
  std::string answer;
  WaitUntil(program, [&] {
    memo = program.ResultMemo();
    answer = memo ? TextNow(memo) : "";
    return SplitLines(answer).size() == 3;
  });
  const auto lines = SplitLines(answer);
  report.Check(lines.size() == 3 && lines[1] == "Фамилия - " + name, "the memo answers for the chosen name",
               answer);
  report.Check(CheckMemo(answer, setup.directory).empty(), "the name and number belong together",
               CheckMemo(answer, setup.directory));
  return EndByAltF4(program, report);
}

int ConversionError(const Setup& setup, Report& report) {
  ProgramUnderTest program(setup.exe);
  if (!Start(program, report)) return report.Failures();
  HWND field = program.Control(L"TMaskEdit");
  HWND memo = program.ResultMemo();
  Click(CentreOf(field));
  WaitUntil(program, [&] { return FocusOf(program) == field; });
  PressKey(VK_RETURN);
  std::vector<HWND> boxes;
  WaitUntil(program, [&] { return !(boxes = program.ErrorBoxes()).empty(); });
  if (!report.Check(boxes.size() == 1, "Enter in the empty field shows one error box"))
    return report.Failures();
  const std::string text = Utf8(ErrorBoxText(boxes[0]));
  report.Write(JsonLine().Text("error-box", text).Text("caption", Utf8(AskText(boxes[0]).value_or(L""))));
  report.Check(text == "'' is not a valid integer value.", "the box shows the conversion error", text);
  report.Check(AskText(boxes[0]) == TitleOf(setup.exe), "the box's caption is the program's title");
  HWND ok = ErrorBoxOkButton(boxes[0]);
  report.Check(ok != nullptr, "the box has its OK button");
  if (ok) Click(CentreOf(ok));
  WaitUntil(program, [&] { return program.ErrorBoxes().empty(); });
  report.Check(program.ErrorBoxes().empty(), "a click on OK dismisses the box");
  report.Check(WaitUntil(program, [&] { return FocusOf(program) == field; }),
               "the focus is back in the field");
  report.Check(TextNow(field) == Utf8(kEmptyField), "the field keeps its text", TextNow(field));
  report.Check(TextNow(memo) == Utf8(kNothingYet), "the memo is unchanged", TextNow(memo));
  // An empty place between digits: 1-_3-45.
  TypeText(L"1");
  PressKey(VK_RIGHT);
  TypeText(L"345");
  CheckTextBecomes(program, report, field, L"1-_3-45", "the field shows 1-_3-45");
  PressKey(VK_RETURN);
  WaitUntil(program, [&] { return !(boxes = program.ErrorBoxes()).empty(); });
  const std::string second = boxes.size() == 1 ? Utf8(ErrorBoxText(boxes[0])) : "";
  report.Check(second == "'1 345' is not a valid integer value.", "the box quotes the field's text", second);
  if (boxes.size() == 1) PressKey(VK_RETURN);
  WaitUntil(program, [&] { return program.ErrorBoxes().empty(); });
  report.Check(program.ErrorBoxes().empty(), "Enter dismisses the box");
  CheckTextBecomes(program, report, field, L"1-_3-45", "the field keeps 1-_3-45");
  return EndByAltF4(program, report);
}

int ResultWindow(const Setup& setup, Report& report) {
  ProgramUnderTest program(setup.exe);
  ToolbarPlaces places;
  if (!StartWithToolbar(program, report, &places)) return report.Failures();
  HWND result = program.Control(L"TTBToolWindow");
  report.Check(result && IsWindowVisible(result), "the result window shows at start");
  // Esc in the memo (a multi-line edit control) closes nothing.
  HWND memo = program.ResultMemo();
  Click(CentreOf(memo));
  WaitUntil(program, [&] { return FocusOf(program) == memo; });
  PressKey(VK_ESCAPE);
  program.Settle(200);
  report.Check(IsWindow(result) && IsWindowVisible(result) && program.ResultMemo() == memo,
               "Esc in the memo leaves the result window and its memo");
  for (const bool shown : {true, false}) {
    std::wstring text;
    HWND menu = OpenMenu(program, places.show, &text);
    const std::wstring expected = shown ? L"Панель результата [x]" : L"Панель результата";
    report.Check(menu && text == expected, "the menu's item shows whether the window shows", Utf8(text));
    if (!menu) return report.Failures();
    Click(CentreOf(menu));
    WaitUntil(program, [&] { return !program.VisibleTop(L"TTBDropDownWindow"); });
    WaitUntil(program, [&] { return (IsWindowVisible(result) != 0) != shown; });
    report.Check((IsWindowVisible(result) != 0) != shown,
                 shown ? "choosing the item hides the result window" : "choosing it again shows it");
  }
  return EndByAltF4(program, report);
}

int About(const Setup& setup, Report& report) {
  ProgramUnderTest program(setup.exe);
  ToolbarPlaces places;
  if (!StartWithToolbar(program, report, &places)) return report.Failures();
  Click(places.about);
  HWND about = nullptr;
  WaitUntil(program, [&] { return (about = program.VisibleTop(L"TfmAbout")) != nullptr; });
  if (!report.Check(about != nullptr, "\"O...\" shows the About window")) return report.Failures();
  RECT main_rect, about_rect;
  GetWindowRect(program.Main(), &main_rect);
  GetWindowRect(about, &about_rect);
  const long dx = (about_rect.left + about_rect.right) - (main_rect.left + main_rect.right);
  const long dy = (about_rect.top + about_rect.bottom) - (main_rect.top + main_rect.bottom);
  report.Check(dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2, "it is centred on the main window",
               std::to_string(dx / 2) + "," + std::to_string(dy / 2));
  RECT client;
  GetClientRect(about, &client);
  // 343 x 146 as stored, scaled to the density the program shows it at.
  const int dpi = DensityOf(about);
  const long width = MulDiv(343, dpi, 96), height = MulDiv(146, dpi, 96);
  report.Check(client.right == width && client.bottom == height,
               "its client area is " + std::to_string(width) + " x " + std::to_string(height) + " at " +
                   std::to_string(dpi) + " dpi",
               std::to_string(client.right) + "x" + std::to_string(client.bottom));
  report.Check(program.ControlWithText(about, L"TLabel", L"example.com") != nullptr,
               "the maker's link is there");
  report.Check(program.ControlWithText(about, L"TLabel", L"example.org") != nullptr,
               "the town's link is there");
  HWND close_mark = program.ControlWithText(about, L"TLabel", L" x ");
  if (!report.Check(close_mark != nullptr, "the close mark is there")) return report.Failures();
  // Moved by a drag on its text, then hidden by its close mark. The moves
  // follow the press once the system's move loop runs, as a hand's do: sent
  // all at once, the first of them may come before the loop and be lost.
  const POINT from{about_rect.left + 100, about_rect.bottom - 20};
  // In Wine's default mode a window's place comes back from the X server
  // after the window is shown; on a busy machine a report that arrives
  // during the drag puts the window back by the first move.
  program.Settle(300);
  {
    const testing_support::PacedDrag drag(from, POINT{from.x - 30, from.y - 20},
                                          testing_support::Button::kLeft,
                                          GetWindowThreadProcessId(about, nullptr));
  }
  program.Settle(300);
  RECT moved;
  GetWindowRect(about, &moved);
  report.Check(
      moved.left == about_rect.left - 30 && moved.top == about_rect.top - 20,
      "a drag on its text moves it with the pointer",
      std::to_string(moved.left - about_rect.left) + "," + std::to_string(moved.top - about_rect.top));
  Click(CentreOf(close_mark));
  WaitUntil(program, [&] { return !IsWindowVisible(about); });
  report.Check(!IsWindowVisible(about), "the close mark hides the About window");
  Click(places.about);
  WaitUntil(program, [&] { return IsWindowVisible(about) != 0; });
  RECT again;
  GetWindowRect(about, &again);
  report.Check(IsWindowVisible(about) && EqualRect(&again, &moved), "shown again where it was left");
  report.Check(program.VisibleTop(L"TfmAbout") == about, "it is the same window");
  // Closing the main window while the About window shows ends the program:
  // a click on the main window's caption brings it to the front first.
  RECT main_now;
  GetWindowRect(program.Main(), &main_now);
  Click(POINT{main_now.left + 40,
              main_now.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2});
  // Waits until the keys reach the main window, not only until it is in
  // front. In Wine's default mode, with no window manager on the display,
  // the click activates nothing and the wait runs out; the checks below
  // still hold there.
  testing_support::WaitUntilKeysReach(program.Main(), 3000);
  report.Check(IsWindowVisible(about) != 0, "the About window stays shown behind");
  ReaderReadsTree(about, report, "the About window");
  ReaderReadsTree(program.Main(), report);
  PressKey(VK_F4, testing_support::kAlt);
  EndsWithZero(program, report, "Alt+F4 on the main window with the About window shown");
  return report.Failures();
}

int CloseByExitItem(const Setup& setup, Report& report) {
  ProgramUnderTest program(setup.exe);
  ToolbarPlaces places;
  if (!StartWithToolbar(program, report, &places)) return report.Failures();
  std::wstring text;
  HWND menu = OpenMenu(program, places.work, &text);
  if (!report.Check(menu && text == L"Выход", "\"Работаем\" opens a menu holding \"Выход\"", Utf8(text)))
    return report.Failures();
  // Read while the menus are tracked: the menu stays open for the click.
  ReaderReadsTree(program.Main(), report);
  ReaderReadsTree(menu, report, "the open menu");
  Click(CentreOf(menu));
  EndsWithZero(program, report, "the item \"Выход\"");
  return report.Failures();
}

int CloseByButton(const Setup& setup, Report& report) {
  ProgramUnderTest program(setup.exe);
  if (!Start(program, report)) return report.Failures();
  const auto button = CloseButtonOf(program.Main());
  if (!report.Check(button.has_value(), "the caption has a close button")) return report.Failures();
  ReaderReadsTree(program.Main(), report);
  Click(*button);
  EndsWithZero(program, report, "the close button");
  return report.Failures();
}

int CloseByAltF4(const Setup& setup, Report& report) {
  ProgramUnderTest program(setup.exe);
  if (!Start(program, report)) return report.Failures();
  report.Check(program.InFront(), "the main window is in front");
  return EndByAltF4(program, report);
}

int CloseBySystemMenu(const Setup& setup, Report& report) {
  ProgramUnderTest program(setup.exe);
  if (!Start(program, report)) return report.Failures();
  ReaderReadsTree(program.Main(), report);
  PressKey(VK_SPACE, testing_support::kAlt);
  HWND menu = nullptr;
  WaitUntil(program, [&] { return (menu = program.VisibleTop(L"#32768")) != nullptr; });
  if (!report.Check(menu != nullptr, "Alt+Space opens the system menu")) return report.Failures();
  // The close item by its mnemonic, as the keyboard chooses it ("Закрыть" in
  // this locale; the system adds items of its own after it).
  TypeText(L"з");
  EndsWithZero(program, report, "the system menu's close item");
  return report.Failures();
}

// Drags the result window out by its handle (the left strip of its docked
// frame) into the screen's lower right, where it floats in a frame of its
// own; then drags it back by that frame's caption over the bottom dock, just
// above the status bar, where it docks again.
int FloatAndDock(const Setup& setup, Report& report) {
  ProgramUnderTest program(setup.exe);
  if (!Start(program, report)) return report.Failures();
  const HWND result = program.Control(L"TTBToolWindow");
  const HWND memo = program.ResultMemo();
  if (!report.Check(result && memo && GetAncestor(memo, GA_ROOT) == program.Main(),
                    "the result window starts docked in the main window"))
    return report.Failures();
  RECT docked;
  GetWindowRect(result, &docked);
  const int docked_height = docked.bottom - docked.top;
  {
    testing_support::InputSender drag(testing_support::DragInputs(
        POINT{docked.left + 5, (docked.top + docked.bottom) / 2}, POINT{620, 600}, 10));
    WaitUntil(
        program, [&] { return drag.Done(); }, 5000);
  }
  HWND frame = nullptr;
  WaitUntil(program, [&] { return (frame = program.VisibleTop(L"TTBFloatingWindowParent")) != nullptr; });
  if (!report.Check(frame != nullptr, "dragged out by its handle, the result window floats"))
    return report.Failures();
  report.Check(AskText(frame) == std::wstring(L"Окно результата"), "the floating frame's caption",
               TextNow(frame));
  report.Check(GetAncestor(memo, GA_ROOT) == frame && AskText(memo) == std::wstring(kNothingYet),
               "the memo moved into the frame with its text", TextNow(memo));
  report.Check(GetWindow(frame, GW_OWNER) == program.Main(), "the frame belongs to the main window");
  RECT place;
  GetWindowRect(frame, &place);
  report.Check(PtInRect(&place, POINT{620, 600}) != FALSE, "the frame stands at the pointer");
  // Back over the collapsed bottom dock, which lies just above the status bar.
  const HWND status = program.Control(L"TStatusBar");
  RECT status_rect{};
  if (status) GetWindowRect(status, &status_rect);
  if (!report.Check(status != nullptr, "the status bar is found")) return report.Failures();
  const POINT caption{place.left + 20,
                      place.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYSMCAPTION) / 2};
  {
    testing_support::InputSender drag(
        testing_support::DragInputs(caption, POINT{status_rect.left + 60, status_rect.top - 1}, 10));
    WaitUntil(
        program, [&] { return drag.Done(); }, 5000);
  }
  WaitUntil(program, [&] { return GetAncestor(memo, GA_ROOT) == program.Main(); });
  report.Check(GetAncestor(memo, GA_ROOT) == program.Main(), "dragged back over its dock, it docks again");
  report.Check(!IsWindowVisible(frame), "the floating frame is gone from the screen");
  GetWindowRect(result, &docked);
  report.Check(docked.bottom - docked.top == docked_height, "docked again at its height",
               std::to_string(docked.bottom - docked.top));
  return EndByAltF4(program, report);
}

// Both dockable windows through their window menus (Alt+-), with real keys
// only: "Открепить" floats the result window, "Переместить" with the arrows
// and Enter moves it, "Закрепить" docks it at its height; after F10, Alt+-
// and "Открепить" float the toolbar, and "Закрепить" docks it again.
int WindowMenuKeys(const Setup& setup, Report& report) {
  ProgramUnderTest program(setup.exe);
  if (!Start(program, report)) return report.Failures();
  const HWND result = program.Control(L"TTBToolWindow");
  const HWND memo = program.ResultMemo();
  if (!report.Check(result && memo, "the result window is found")) return report.Failures();
  RECT docked;
  GetWindowRect(result, &docked);
  const auto choose = [&](std::initializer_list<WORD> keys) {
    PressKey(VK_OEM_MINUS, testing_support::kAlt);
    WaitUntil(program, [&] { return program.VisibleTop(L"TTBDropDownWindow") != nullptr; });
    for (const WORD key : keys) PressKey(key);
    program.Settle(100);
  };
  choose({VK_DOWN, VK_DOWN, VK_RETURN});  // "Открепить"
  HWND frame = nullptr;
  WaitUntil(program, [&] { return (frame = program.VisibleTop(L"TTBFloatingWindowParent")) != nullptr; });
  if (!report.Check(frame && GetAncestor(memo, GA_ROOT) == frame, "\"Открепить\" floats the result window"))
    return report.Failures();
  RECT before, after;
  GetWindowRect(frame, &before);
  choose({VK_RETURN, VK_RIGHT, VK_RIGHT, VK_DOWN, VK_RETURN});  // "Переместить"
  GetWindowRect(frame, &after);
  const int step = MulDiv(8, DensityOf(program.Main()), 96);
  report.Check(after.left == before.left + 2 * step && after.top == before.top + step,
               "\"Переместить\", Right, Right, Down and Enter move it by 8 pixels a press",
               std::to_string(after.left - before.left) + "," + std::to_string(after.top - before.top));
  choose({VK_DOWN, VK_DOWN, VK_RETURN});  // "Закрепить"
  WaitUntil(program, [&] { return GetAncestor(memo, GA_ROOT) == program.Main(); });
  RECT again;
  GetWindowRect(result, &again);
  report.Check(
      GetAncestor(memo, GA_ROOT) == program.Main() && again.bottom - again.top == docked.bottom - docked.top,
      "\"Закрепить\" docks it at its height", std::to_string(again.bottom - again.top));
  const HWND toolbar = program.Control(L"TTBToolbar");
  PressKey(VK_F10);
  program.Settle(100);
  choose({VK_DOWN, VK_DOWN, VK_RETURN});
  WaitUntil(program, [&] { return GetAncestor(toolbar, GA_ROOT) != program.Main(); });
  report.Check(GetAncestor(toolbar, GA_ROOT) != program.Main(),
               "F10, then Alt+- and \"Открепить\" float the toolbar");
  PressKey(VK_F10);
  program.Settle(100);
  choose({VK_DOWN, VK_DOWN, VK_RETURN});
  WaitUntil(program, [&] { return GetAncestor(toolbar, GA_ROOT) == program.Main(); });
  report.Check(GetAncestor(toolbar, GA_ROOT) == program.Main(), "and again with \"Закрепить\" dock it");
  return EndByAltF4(program, report);
}

const std::map<std::string, int (*)(const Setup&, Report&)>& Scenarios() {
  static const std::map<std::string, int (*)(const Setup&, Report&)> scenarios = {
      {"number-search", NumberSearch},       {"name-search", NameSearch},
      {"conversion-error", ConversionError}, {"result-window", ResultWindow},
      {"float-and-dock", FloatAndDock},      {"about", About},
      {"close-exit-item", CloseByExitItem},  {"close-button", CloseByButton},
      {"close-alt-f4", CloseByAltF4},        {"close-system-menu", CloseBySystemMenu},
      {"memory", CommittedMemoryOnceShown},  {"contrast", TextContrast},
      {"window-menu-keys", WindowMenuKeys},
  };
  return scenarios;
}

}  // namespace

bool StartProgram(ProgramUnderTest& program, Report& report) {
  return Start(program, report);
}

int EndWithAltF4(ProgramUnderTest& program, Report& report) {
  return EndByAltF4(program, report);
}

bool RunScenario(const std::string& name, const Setup& setup, Report& report) {
  if (RunReaderScenario(name, setup, report)) return true;
  const auto found = Scenarios().find(name);
  if (found == Scenarios().end()) return false;
  found->second(setup, report);
  return true;
}

const char* ScenarioNames() {
  return "number-search name-search conversion-error result-window float-and-dock about close-exit-item "
         "close-button "
         "close-alt-f4 close-system-menu reader-tree reader-name-search reader-number-search reader-menu "
         "reader-while-busy reader-about-keys window-menu-keys memory contrast";
}

}  // namespace driver
