#include "tests/driver/reader_scenarios.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tests/driver/program_under_test.h"
#include "tests/driver/reader.h"
#include "tests/win/real_input.h"

namespace driver {

namespace {

using testing_support::Button;
using testing_support::ButtonEvent;
using testing_support::Click;
using testing_support::MoveInputs;
using testing_support::PressKey;
using testing_support::TypeText;

// Whether an event `event` was heard from `window` (any window: null).
const HeardEvent* Find(const Reader& reader, DWORD event, HWND window = nullptr) {
  for (const HeardEvent& heard : reader.Heard()) {
    if (heard.event == event && (!window || heard.window == window)) return &heard;
  }
  return nullptr;
}

// Listens until `done` holds; false after `ms`.
template <typename Done>
bool ListenUntil(Reader& reader, Done done, DWORD ms = 3000) {
  const ULONGLONG deadline = GetTickCount64() + ms;
  while (!done()) {
    if (GetTickCount64() >= deadline) return false;
    reader.Listen(20);
  }
  return true;
}

// The names of `element`'s children.
std::string ChildNames(const ReadElement& element) {
  std::string names;
  for (const ReadElement& child : element.children) names += (names.empty() ? "" : "|") + child.name;
  return names;
}

const ReadElement* Named(const std::vector<const ReadElement*>& elements, const std::string& name) {
  for (const ReadElement* element : elements) {
    if (element->name == name) return element;
  }
  return nullptr;
}

int Tree(const Setup& setup, Report& report) {
  ProgramUnderTest program(setup.exe);
  if (!StartProgram(program, report)) return report.Failures();
  Reader reader(0);
  const ReadElement tree = Reader::Tree(program.Main());
  if (!report.Check(tree.result == S_OK, "the main window has a client object")) return report.Failures();
  report.Check(tree.role == ROLE_SYSTEM_CLIENT, "it is a client area", std::to_string(tree.role));
  const ReadElement* bar = Named(ElementsWithRole(tree, ROLE_SYSTEM_MENUBAR), "Главное меню");
  report.Check(bar && ChildNames(*bar) == "Работаем|Показать|O...",
               "a menu bar \"Главное меню\" of the three items", bar ? ChildNames(*bar) : "");
  const auto texts = ElementsWithRole(tree, ROLE_SYSTEM_TEXT);
  const ReadElement* field = Named(texts, "Телефон");
  report.Check(field && field->value == "_-__-__", "editable text \"Телефон\" holding the template",
               field ? field->value : "");
  const ReadElement* memo = Named(texts, "Окно результата");
  report.Check(memo && memo->value == "Пока ничего нет!" && (memo->state & STATE_SYSTEM_READONLY),
               "read-only text \"Окно результата\" holding the first text", memo ? memo->value : "");
  const ReadElement* picker = Named(ElementsWithRole(tree, ROLE_SYSTEM_COMBOBOX), "Подбор по ФИО");
  report.Check(picker && (picker->state & STATE_SYSTEM_COLLAPSED), "a collapsed combo box \"Подбор по ФИО\"");
  report.Check(ElementsWithRole(tree, ROLE_SYSTEM_STATUSBAR).size() == 1, "one status bar");
  report.Check(Named(ElementsWithRole(tree, ROLE_SYSTEM_STATICTEXT), "Телефон") != nullptr,
               "the labels are static text");
  report.Check(ElementsWithRole(tree, ROLE_SYSTEM_CLIENT).size() == 1, "no anonymous client object below");
  // A child id out of range.
  ComRef<IAccessible> toolbar = Reader::ClientOf(program.Control(L"TTBToolbar"));
  BSTR name = nullptr;
  report.Check(toolbar && toolbar->get_accName(ChildId(4), &name) == E_INVALIDARG,
               "child id 4 of the three-item bar gets E_INVALIDARG");
  return EndWithAltF4(program, report);
}

int NameSearch(const Setup& setup, Report& report) {
  ProgramUnderTest program(setup.exe);
  if (!StartProgram(program, report)) return report.Failures();
  Reader reader(program.Id());
  HWND picker = program.Control(L"TRxDBLookupCombo");
  if (!report.Check(picker != nullptr, "the name picker is there")) return report.Failures();
  Click(CentreOf(picker));
  HWND list = nullptr;
  ListenUntil(reader, [&] { return (list = program.VisibleTop(L"TRxPopupDataList")) != nullptr; });
  if (!report.Check(list != nullptr, "a click on the picker opens its list")) return report.Failures();
  ComRef<IAccessible> list_object = Reader::ClientOf(list);
  report.Check(list_object && Reader::Read(list_object.get(), CHILDID_SELF, 0).name == "Подбор по ФИО",
               "the list is named like its picker");
  reader.Clear();
  TypeText(L"ив");
  program.Settle(50);
  const std::vector<std::string> rows = SplitLines(Utf8(AskText(list).value_or(L"")));
  DWORD_PTR selected = 0;
  SendMessageTimeoutW(list, LB_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, 2000, &selected);
  const auto row = static_cast<LRESULT>(selected);
  const std::string first = row >= 0 && static_cast<size_t>(row) < rows.size() ? rows[row] : "";
  report.Check(first.rfind("ИВ", 0) == 0, "the highlighted row is the first ИВ name", first);
  const auto named_first = [&] {
    for (const HeardEvent& heard : reader.Heard()) {
      if ((heard.event == EVENT_OBJECT_FOCUS || heard.event == EVENT_OBJECT_SELECTION) &&
          heard.window == list && heard.element.name == first)
        return true;
    }
    return false;
  };
  report.Check(ListenUntil(reader, named_first), "a focus or selection event names the first ИВ name", first);
  report.Check(Find(reader, EVENT_OBJECT_VALUECHANGE, picker) != nullptr,
               "the picker's value change is heard");
  PressKey(VK_ESCAPE);
  // The list hides before the reader is told of it on a busy machine: the
  // state change is awaited, not raced.
  report.Check(ListenUntil(reader,
                           [&] {
                             return program.VisibleTop(L"TRxPopupDataList") == nullptr &&
                                    Find(reader, EVENT_OBJECT_STATECHANGE, picker) != nullptr;
                           }),
               "the picker's state change is heard");
  if (list_object) {
    BSTR name = nullptr;
    const HRESULT answer = list_object->get_accName(ChildId(CHILDID_SELF), &name);
    LONG count = 0;
    const HRESULT counted = list_object->get_accChildCount(&count);
    report.Check((answer == CO_E_OBJNOTCONNECTED || answer == E_FAIL) &&
                     (counted == CO_E_OBJNOTCONNECTED || counted == E_FAIL),
                 "the closed list's object kept by the reader refuses its calls", std::to_string(answer));
  }
  return EndWithAltF4(program, report);
}

int NumberSearch(const Setup& setup, Report& report) {
  ProgramUnderTest program(setup.exe);
  if (!StartProgram(program, report)) return report.Failures();
  Reader reader(program.Id());
  const auto& rows = setup.directory.Rows();
  size_t row = rows.size() / 3;
  const std::string owner = setup.directory.NameOf(std::stoll(rows[row].second)).value_or("");
  HWND field = program.Control(L"TMaskEdit");
  if (!report.Check(field != nullptr, "the number field is there")) return report.Failures();
  Click(CentreOf(field));
  program.Settle(50);
  TypeText(Wide(rows[row].second) + L"\r");
  const auto carries_owner = [&] {
    for (const HeardEvent& heard : reader.Heard()) {
      if (heard.event == EVENT_OBJECT_VALUECHANGE && heard.element.value.find(owner) != std::string::npos)
        return true;
    }
    return false;
  };
  report.Check(ListenUntil(reader, carries_owner), "a value change carries the owner's name", owner);
  report.Check(Find(reader, EVENT_OBJECT_VALUECHANGE, field) != nullptr,
               "the field's value changes are heard");
  return EndWithAltF4(program, report);
}

int Menu(const Setup& setup, Report& report) {
  ProgramUnderTest program(setup.exe);
  if (!StartProgram(program, report)) return report.Failures();
  Reader reader(program.Id());
  ComRef<IAccessible> bar = Reader::ClientOf(program.Control(L"TTBToolbar"));
  if (!report.Check(static_cast<bool>(bar), "the toolbar has an object")) return report.Failures();
  report.Check(Reader::Read(bar.get(), 2, 0).name == "Показать", "its second item is \"Показать\"");
  report.Check(bar->accDoDefaultAction(ChildId(2)) == S_OK, "the default action of \"Показать\" is done");
  const HeardEvent* start = nullptr;
  ListenUntil(reader, [&] { return (start = Find(reader, EVENT_SYSTEM_MENUPOPUPSTART)) != nullptr; });
  if (!report.Check(start != nullptr, "a pop-up start is heard")) return report.Failures();
  report.Check(Find(reader, EVENT_SYSTEM_MENUSTART) != nullptr, "a menu start is heard");
  const HWND menu = start->window;
  ComRef<IAccessible> popup = Reader::ClientOf(menu);
  const ReadElement item = popup ? Reader::Read(popup.get(), 1, 0) : ReadElement{};
  report.Check(item.name == "Панель результата" && (item.state & STATE_SYSTEM_CHECKED),
               "its item \"Панель результата\" is checked", item.name);
  report.Check(Reader::Read(bar.get(), 2, 0).state & STATE_SYSTEM_EXPANDED, "\"Показать\" is expanded");
  PressKey(VK_ESCAPE);
  report.Check(ListenUntil(reader, [&] { return Find(reader, EVENT_SYSTEM_MENUPOPUPEND, menu) != nullptr; }),
               "Esc: a pop-up end is heard");
  report.Check(ListenUntil(reader, [&] { return Find(reader, EVENT_SYSTEM_MENUEND) != nullptr; }),
               "and a menu end");
  report.Check(bar->accDoDefaultAction(ChildId(3)) == S_OK, "the default action of \"O...\" is done");
  HWND about = nullptr;
  ListenUntil(reader, [&] { return (about = program.VisibleTop(L"TfmAbout")) != nullptr; });
  report.Check(about != nullptr, "it shows the About window");
  if (about) {
    const ReadElement tree = Reader::Tree(about);
    const auto links = ElementsWithRole(tree, ROLE_SYSTEM_LINK);
    report.Check(links.size() == 2 && Named(links, "example.com") && Named(links, "example.org"),
                 "the About window has its two links");
    report.Check(Named(ElementsWithRole(tree, ROLE_SYSTEM_PUSHBUTTON), "Закрыть") != nullptr,
                 "and its close mark as a button \"Закрыть\"");
    ComRef<IAccessible> mark = Reader::ClientOf(program.ControlWithText(about, L"TLabel", L" x "));
    report.Check(mark && mark->accDoDefaultAction(ChildId(CHILDID_SELF)) == S_OK,
                 "the close mark's default action is done");
    report.Check(ListenUntil(reader, [&] { return !IsWindowVisible(about); }), "it hides the About window");
  }
  return EndWithAltF4(program, report);
}

// The window that holds the mouse capture in `window`'s thread (seen from
// this process), or null.
HWND CaptureOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) ? info.hwndCapture : nullptr;
}

// Sends `inputs` as the user's, listening meanwhile.
void SendWhileListening(Reader& reader, std::vector<INPUT> inputs) {
  testing_support::InputSender sender(std::move(inputs));
  ListenUntil(reader, [&] { return sender.Done(); });
}

// A press at `from` and moves to `to` with the button held.
std::vector<INPUT> PressAndMove(POINT from, POINT to, int steps) {
  std::vector<INPUT> inputs{ButtonEvent(from, Button::kLeft, true)};
  const std::vector<INPUT> moves = MoveInputs(from, to, steps);
  inputs.insert(inputs.end(), moves.begin(), moves.end());
  return inputs;
}

// The first row the list shows.
std::string TopRow(HWND list) {
  const std::vector<std::string> rows = SplitLines(Utf8(AskText(list).value_or(L"")));
  return rows.empty() ? "" : rows.front();
}

// A reader that walks every window while the user is in the middle of
// something changes nothing the user sees: while the button is held below
// the open name list (which scrolls on its timer), and while the result
// window is dragged out of its dock.
int WhileBusy(const Setup& setup, Report& report) {
  ProgramUnderTest program(setup.exe);
  if (!StartProgram(program, report)) return report.Failures();
  Reader reader(0);
  HWND picker = program.Control(L"TRxDBLookupCombo");
  if (!report.Check(picker != nullptr, "the name picker is there")) return report.Failures();
  Click(CentreOf(picker));
  HWND list = nullptr;
  ListenUntil(reader, [&] { return (list = program.VisibleTop(L"TRxPopupDataList")) != nullptr; });
  if (!report.Check(list != nullptr, "a click on the picker opens its list")) return report.Failures();
  // The list settles (drawn, its rows read) before the press on it.
  ListenUntil(reader, [&] { return !TopRow(list).empty(); });
  reader.Listen(200);
  RECT box;
  GetWindowRect(list, &box);
  const POINT row{(box.left + box.right) / 2, box.top + 8};
  const POINT below{row.x, box.bottom + 30};
  SendWhileListening(reader, PressAndMove(row, below, 6));
  reader.Listen(300);
  const HWND holder = CaptureOf(list);
  const std::string before = TopRow(list);
  reader.Listen(300);
  report.Check(holder == list && TopRow(list) != before, "held below the list, it scrolls on its own",
               before + " -> " + TopRow(list));
  const std::string scrolled = TopRow(list);
  const ReadElement tree = Reader::Tree(program.Main());
  const ReadElement rows = Reader::Tree(list, 2);
  report.Check(tree.result == S_OK && rows.result == S_OK && !rows.children.empty(),
               "a reader reads both windows while the list scrolls", std::to_string(rows.children.size()));
  reader.Listen(300);
  report.Check(CaptureOf(list) == list && IsWindowVisible(list) && TopRow(list) != scrolled,
               "after the reading the list still holds the pointer and goes on scrolling",
               scrolled + " -> " + TopRow(list));
  SendWhileListening(reader,
                     {ButtonEvent(below, Button::kLeft, false), testing_support::KeyEvent(VK_ESCAPE, true),
                      testing_support::KeyEvent(VK_ESCAPE, false)});
  ListenUntil(reader, [&] { return program.VisibleTop(L"TRxPopupDataList") == nullptr; });
  report.Check(program.VisibleTop(L"TRxPopupDataList") == nullptr, "released and Esc, the list is closed");

  // The result window dragged out by its handle, read halfway.
  const HWND result = program.Control(L"TTBToolWindow");
  if (!report.Check(result != nullptr, "the result window is there")) return report.Failures();
  RECT docked;
  GetWindowRect(result, &docked);
  const POINT handle{docked.left + 5, (docked.top + docked.bottom) / 2};
  const POINT halfway{handle.x + 150, handle.y + 200};
  const POINT end{620, 600};
  SendWhileListening(reader, PressAndMove(handle, halfway, 5));
  reader.Listen(200);
  const HWND dragging = CaptureOf(program.Main());
  const HWND carrier = GetAncestor(program.ResultMemo(), GA_ROOT);
  RECT carrier_place{};
  GetWindowRect(carrier, &carrier_place);
  const ReadElement during = Reader::Tree(program.Main());
  report.Check(dragging != nullptr && during.result == S_OK, "a reader reads the window during the drag",
               std::to_string(ElementCount(during)));
  RECT carrier_after{};
  GetWindowRect(carrier, &carrier_after);
  report.Check(CaptureOf(program.Main()) == dragging &&
                   GetAncestor(program.ResultMemo(), GA_ROOT) == carrier &&
                   EqualRect(&carrier_place, &carrier_after) != FALSE,
               "after the reading the drag goes on, the dragged window where it was");
  std::vector<INPUT> rest = MoveInputs(halfway, end, 5);
  rest.push_back(ButtonEvent(end, Button::kLeft, false));
  SendWhileListening(reader, std::move(rest));
  HWND frame = nullptr;
  ListenUntil(reader, [&] { return (frame = program.VisibleTop(L"TTBFloatingWindowParent")) != nullptr; });
  RECT place{};
  if (frame) GetWindowRect(frame, &place);
  report.Check(frame != nullptr && PtInRect(&place, end) != FALSE,
               "released, the result window floats at the pointer as without a reader");
  return EndWithAltF4(program, report);
}

// The About window from the keyboard alone: F10, Right, Right, Enter shows it;
// Tab, Tab, Tab and Shift+Tab move the focus along its strip, each heard as a
// focus event naming the part; Enter on the close mark hides the window.
int AboutKeys(const Setup& setup, Report& report) {
  ProgramUnderTest program(setup.exe);
  if (!StartProgram(program, report)) return report.Failures();
  Reader reader(program.Id());
  for (const int key : {VK_F10, VK_RIGHT, VK_RIGHT, VK_RETURN}) PressKey(static_cast<WORD>(key));
  HWND about = nullptr;
  ListenUntil(reader, [&] { return (about = program.VisibleTop(L"TfmAbout")) != nullptr; });
  if (!report.Check(about != nullptr, "F10, Right, Right, Enter shows the About window"))
    return report.Failures();
  ComRef<IAccessible> window = Reader::ClientOf(about);
  report.Check(window && Reader::Read(window.get(), CHILDID_SELF, 0).name == "О программе",
               "the window is named \"О программе\"");
  const auto focused_last = [&] {
    for (auto heard = reader.Heard().rbegin(); heard != reader.Heard().rend(); ++heard) {
      if (heard->event == EVENT_OBJECT_FOCUS) return heard->element.name;
    }
    return std::string();
  };
  struct Step {
    WORD key;
    unsigned modifiers;
    const char* named;
  } const steps[] = {{VK_TAB, testing_support::kNoModifier, "example.com"},
                     {VK_TAB, testing_support::kNoModifier, "Закрыть"},
                     {VK_TAB, testing_support::kNoModifier, "example.org"},
                     {VK_TAB, testing_support::kShift, "Закрыть"}};
  for (const Step& step : steps) {
    reader.Clear();
    PressKey(step.key, step.modifiers);
    report.Check(ListenUntil(reader, [&] { return focused_last() == step.named; }),
                 std::string("a focus event names ") + step.named, focused_last());
  }
  PressKey(VK_RETURN);
  report.Check(ListenUntil(reader, [&] { return !IsWindowVisible(about); }),
               "Enter on the close mark hides the About window");
  return EndWithAltF4(program, report);
}

}  // namespace

bool RunReaderScenario(const std::string& name, const Setup& setup, Report& report) {
  static const std::map<std::string, int (*)(const Setup&, Report&)> scenarios = {
      {"reader-tree", Tree}, {"reader-name-search", NameSearch}, {"reader-number-search", NumberSearch},
      {"reader-menu", Menu}, {"reader-while-busy", WhileBusy},   {"reader-about-keys", AboutKeys},
  };
  const auto found = scenarios.find(name);
  if (found == scenarios.end()) return false;
  found->second(setup, report);
  return true;
}

}  // namespace driver
