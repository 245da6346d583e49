#include "tests/driver/monkey_run.h"

#include <memory>
#include <optional>

#include "tests/driver/monkey_plan.h"
#include "tests/driver/program_under_test.h"
#include "tests/driver/reader.h"
#include "tests/win/real_input.h"

namespace driver {

namespace {

using testing_support::Button;
using testing_support::WindowClassName;

// The one key stroke of an event that is nothing else; nullopt for the rest.
struct Stroke {
  WORD key;
  unsigned modifiers;
};
std::optional<Stroke> StrokeOf(const MonkeyEvent& event) {
  using testing_support::kAlt;
  using testing_support::kNoModifier;
  using testing_support::kShift;
  static constexpr WORD kArrows[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN};
  static constexpr WORD kPageKeys[] = {VK_PRIOR, VK_NEXT, VK_HOME, VK_END};
  switch (event.kind) {
    case EventKind::kEnter:
      return Stroke{VK_RETURN, kNoModifier};
    case EventKind::kEscape:
      return Stroke{VK_ESCAPE, kNoModifier};
    case EventKind::kTab:
      return Stroke{VK_TAB, event.variant ? kShift : kNoModifier};
    case EventKind::kArrow:
      return Stroke{kArrows[event.variant & 3], kNoModifier};
    case EventKind::kPageKey:
      return Stroke{kPageKeys[event.variant & 3], kNoModifier};
    case EventKind::kBackspace:
      return Stroke{VK_BACK, kNoModifier};
    case EventKind::kDelete:
      return Stroke{VK_DELETE, kNoModifier};
    case EventKind::kAltDown:
      return Stroke{VK_DOWN, kAlt};
    case EventKind::kAltMinus:
      return Stroke{VK_OEM_MINUS, kAlt};
    default:
      return std::nullopt;
  }
}

constexpr std::size_t kHistory = 50;

bool SetClipboardText(const std::wstring& text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  bool ok = false;
  if (memory) {
    if (void* data = GlobalLock(memory)) {
      memcpy(data, text.c_str(), bytes);
      GlobalUnlock(memory);
      ok = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    }
    if (!ok) GlobalFree(memory);
  }
  CloseClipboard();
  return ok;
}

POINT Within(const RECT& r, int x_permille, int y_permille) {
  return POINT{r.left + static_cast<LONG>((r.right - r.left) * static_cast<long long>(x_permille) / 1000),
               r.top + static_cast<LONG>((r.bottom - r.top) * static_cast<long long>(y_permille) / 1000)};
}

class Monkey {
 public:
  Monkey(const Setup& setup, const MonkeyOptions& options, Report& summary)
      : setup_(setup),
        options_(options),
        summary_(summary),
        log_(options.log ? options.log : stdout),
        history_(kHistory) {}

  int Run();

 private:
  bool StartProgram();
  void Log(const std::string& line) {
    log_.Write(line);
    history_.Add(line);
  }
  // Stops the run: the reason, the seed and the last events.
  int Violation(const std::string& reason);
  // Sends one event; false (with `why`) when it was left out as unsafe.
  bool Send(const MonkeyEvent& event, std::string* why);
  // A point where a press touches only the program and closes nothing.
  bool SafeToPress(POINT p, std::string* why, Button button = Button::kLeft) const;
  bool EnsureInFront();
  // Reads, logs and dismisses an error box; an empty text when all is well.
  std::string HandleErrorBoxes();
  std::string CheckInvariants();
  // A number search through the field with real input: its answer must be
  // the number's owner, which holds only while the phone table is in its
  // "TEL" order between commands. Left out (and logged) when the field
  // cannot be reached, as in a window made too small to show it.
  std::string CheckPhoneOrder(std::uint64_t round);
  // Drags the main window back to the screen's centre by its caption when
  // part of it is off the screen: the drags' random walk would otherwise
  // leave it at an edge, where most points of it are out of reach.
  void BringIntoReach();

  const Setup& setup_;
  const MonkeyOptions& options_;
  Report& summary_;
  Report log_;
  EventHistory history_;
  std::unique_ptr<ProgramUnderTest> program_;
  std::uint64_t restarts_ = 0, boxes_ = 0, skipped_ = 0;
  Reader reader_{0};  // the accessibility client of the invariants' walk (COM set up for this thread)
};

bool Monkey::StartProgram() {
  program_ = std::make_unique<ProgramUnderTest>(setup_.exe);
  return program_->Started() && program_->WaitForMainWindow();
}

int Monkey::Violation(const std::string& reason) {
  summary_.Write(JsonLine()
                     .Text("violation", reason)
                     .Number("seed", static_cast<std::int64_t>(options_.seed))
                     .Number("restarts", static_cast<std::int64_t>(restarts_)));
  // What the screen held, for the one who replays the run.
  if (program_ && program_->Alive()) {
    for (HWND window : program_->AllTopWindows()) {
      RECT r;
      GetWindowRect(window, &r);
      summary_.Write(JsonLine()
                         .Text("window", Utf8(WindowClassName(window)))
                         .Flag("visible", IsWindowVisible(window) != 0)
                         .Number("left", r.left)
                         .Number("top", r.top)
                         .Number("right", r.right)
                         .Number("bottom", r.bottom)
                         .Text("text", Utf8(AskText(window).value_or(L""))));
    }
  }
  if (program_ && program_->Alive()) {
    std::string children;
    EnumChildWindows(
        program_->Main(),
        [](HWND child, LPARAM param) -> BOOL {
          auto& list = *reinterpret_cast<std::string*>(param);
          list += Utf8(WindowClassName(child)) + (IsWindowVisible(child) ? " " : "(hidden) ");
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    summary_.Write(JsonLine().Text("main-window-children", children));
  }
  summary_.Write(JsonLine().Text("last-events", std::to_string(history_.Lines().size())));
  for (const auto& line : history_.Lines()) summary_.Write(line);
  summary_.Check(false, "the monkey run holds every invariant", reason);
  return 1;
}

bool Monkey::SafeToPress(POINT p, std::string* why, Button button) const {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  if (p.x < 0 || p.y < 0 || p.x >= width || p.y >= height) return *why = "off the screen", false;
  HWND under = WindowFromPoint(p);
  DWORD owner = 0;
  GetWindowThreadProcessId(under, &owner);
  if (!under || owner != program_->Id()) return *why = "not the program's window", false;
  HWND top = GetAncestor(under, GA_ROOT);
  DWORD_PTR hit = HTNOWHERE;
  SendMessageTimeoutW(top, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y), SMTO_ABORTIFHUNG, 2000, &hit);
  // The close button and the system menu end the program: the close tests
  // check those, and a restart per closing would cost the run its state.
  if (hit == HTCLOSE || hit == HTSYSMENU) return *why = "a closing control", false;
  // A right click on a caption opens the system menu, which closes the
  // program too, and under Wine also holds an item for Wine's own About box.
  if (hit == HTCAPTION && button == Button::kRight) return *why = "the system menu", false;
  // The About window's links start the desktop's browser, outside the program.
  if (WindowClassName(top) == L"TfmAbout" && WindowClassName(under) == L"TLabel") {
    const std::wstring text = AskText(under).value_or(L"");
    if (text != L" x ") return *why = "a link", false;
  }
  return true;
}

bool Monkey::EnsureInFront() {
  if (program_->InFront()) return true;
  // A click on the main window's caption brings the program to the front.
  RECT r;
  GetWindowRect(program_->Main(), &r);
  const POINT caption{r.left + (r.right - r.left) / 3,
                      r.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
  std::string why;
  if (!SafeToPress(caption, &why)) return false;
  Log(JsonLine().Text("event", "front").Number("x", caption.x).Number("y", caption.y).Str());
  testing_support::Click(caption);
  program_->Settle();
  return program_->InFront();
}

bool Monkey::Send(const MonkeyEvent& event, std::string* why) {
  const bool key = event.kind != EventKind::kClick && event.kind != EventKind::kDrag &&
                   event.kind != EventKind::kDoubleClickHandle && event.kind != EventKind::kMenu;
  // Keys go to the window in front: only when that is the program's.
  if (key && !EnsureInFront()) return *why = "the program is not in front", false;
  if (const std::optional<Stroke> stroke = StrokeOf(event)) {
    testing_support::PressKey(stroke->key, stroke->modifiers);
    return true;
  }
  switch (event.kind) {
    case EventKind::kDigit:
    case EventKind::kLetter:
      testing_support::TypeText(Wide(event.text));
      return true;
    case EventKind::kPaste:
      if (!SetClipboardText(Wide(event.text))) return *why = "the clipboard is busy", false;
      testing_support::PressKey('V', testing_support::kCtrl);
      return true;
    case EventKind::kClick:
    case EventKind::kDrag: {
      std::vector<HWND> windows;
      // The program's shown windows that have an area (its application
      // window has none); an error box is answered apart.
      for (HWND w : program_->VisibleTopWindows()) {
        RECT area;
        GetWindowRect(w, &area);
        if (WindowClassName(w) != L"#32770" && !IsRectEmpty(&area)) windows.push_back(w);
      }
      if (windows.empty()) return *why = "no window", false;
      RECT r;
      GetWindowRect(windows[event.window % windows.size()], &r);
      const POINT from = Within(r, event.x, event.y);
      static constexpr Button kButtons[] = {Button::kLeft, Button::kRight, Button::kMiddle};
      const Button button = event.kind == EventKind::kClick ? kButtons[event.variant % 3] : Button::kLeft;
      if (!SafeToPress(from, why, button)) return false;
      if (event.kind == EventKind::kClick) {
        testing_support::Click(from, button);
        return true;
      }
      // A drag ends near the main window, so that what it moves stays in reach.
      RECT reach;
      GetWindowRect(program_->Main(), &reach);
      InflateRect(&reach, 60, 60);
      POINT to = Within(reach, event.to_x, event.to_y);
      to.x = std::max(0L, std::min<LONG>(to.x, GetSystemMetrics(SM_CXSCREEN) - 1));
      to.y = std::max(0L, std::min<LONG>(to.y, GetSystemMetrics(SM_CYSCREEN) - 1));
      testing_support::Drag(from, to, 6);
      return true;
    }
    case EventKind::kDoubleClickHandle: {
      // The main window's caption, the toolbar's grip, the result window's
      // handle, the About window's strip.
      POINT p{};
      RECT r;
      switch (event.variant & 3) {
        case 0:
          GetWindowRect(program_->Main(), &r);
          p = POINT{(r.left + r.right) / 2,
                    r.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
          break;
        case 1:
        case 2: {
          HWND handle = program_->Control((event.variant & 3) == 1 ? L"TTBToolbar" : L"TTBToolWindow");
          if (!handle || !IsWindowVisible(handle)) return *why = "no such handle shown", false;
          GetWindowRect(handle, &r);
          p = POINT{r.left + 4, r.top + 5};
          break;
        }
        default: {
          HWND about = program_->VisibleTop(L"TfmAbout");
          if (!about) return *why = "no About window", false;
          GetWindowRect(about, &r);
          p = POINT{r.left + (r.right - r.left) * 2 / 3, r.top + 6};
        }
      }
      if (!SafeToPress(p, why)) return false;
      testing_support::DoubleClick(p);
      return true;
    }
    case EventKind::kMenu: {
      HWND bar = program_->Control(L"TTBToolbar");
      if (!bar || !IsWindowVisible(bar)) return *why = "no toolbar", false;
      RECT r;
      GetWindowRect(bar, &r);
      const POINT p{r.left + 8 + (r.right - r.left - 8) * event.x / 1000, (r.top + r.bottom) / 2};
      if (!SafeToPress(p, why)) return false;
      testing_support::Click(p);
      return true;
    }
    case EventKind::kEnter:
    case EventKind::kEscape:
    case EventKind::kTab:
    case EventKind::kArrow:
    case EventKind::kPageKey:
    case EventKind::kBackspace:
    case EventKind::kDelete:
    case EventKind::kAltDown:
    case EventKind::kAltMinus:
      break;  // one stroke each: pressed above
  }
  return *why = "unknown event", false;
}

std::string Monkey::HandleErrorBoxes() {
  std::vector<HWND> boxes = program_->ErrorBoxes();
  if (boxes.empty()) return {};
  if (boxes.size() > 1) return std::to_string(boxes.size()) + " error boxes at once";
  HWND box = boxes[0];
  // Under Wine a window's system menu offers Wine's own About box, and a
  // random letter can choose it ("О" in Russian): the system's box, not one
  // of the program's. It is logged, closed, and the run goes on.
  const auto caption = AskText(box);
  if (caption && caption->find(L"Wine") != std::wstring::npos) {
    Log(JsonLine().Text("system-box", Utf8(*caption)).Str());
    PostMessageW(box, WM_CLOSE, 0, 0);
    if (!WaitUntil(
            *program_, [&] { return !IsWindow(box) || !IsWindowVisible(box); }, 2000))
      return "Wine's About box stays after closing";
    return {};
  }
  std::string text = Utf8(ErrorBoxText(box));
  if (text.empty()) {
    // A box still being made has no text yet, and one being taken down none
    // any more (a busy machine shows both): judge it once it has one, or not
    // at all once it is gone.
    WaitUntil(
        *program_, [&] { return !IsWindowVisible(box) || !ErrorBoxText(box).empty(); }, 2000);
    if (!IsWindowVisible(box)) return {};
    text = Utf8(ErrorBoxText(box));
  }
  ++boxes_;
  Log(JsonLine().Text("error-box", text).Str());
  const std::string wrong = CheckErrorBoxText(text);
  if (!wrong.empty()) return wrong + ": " + text;
  HWND ok = ErrorBoxOkButton(box);
  if (!ok) return "an error box without its OK button";
  testing_support::Click(CentreOf(ok));
  if (!WaitUntil(
          *program_, [&] { return !IsWindow(box) || !IsWindowVisible(box); }, 2000)) {
    // The pointer may have been pulled back by the system: Enter answers the box too.
    testing_support::PressKey(VK_RETURN);
    if (!WaitUntil(
            *program_, [&] { return !IsWindow(box) || !IsWindowVisible(box); }, 2000))
      return "the error box stays after OK";
  }
  return {};
}

std::string Monkey::CheckInvariants() {
  if (!program_->Alive()) return "the program has ended";
  if (!program_->Answers(2000)) return "the program does not answer within 2 s";
  HWND field = program_->Control(L"TMaskEdit");
  HWND memo = program_->ResultMemo();
  if (!field) return "the number field is gone";
  if (!memo) return "the result memo is gone";
  const auto field_text = AskText(field);
  const auto memo_text = AskText(memo);
  if (!field_text || !memo_text) return "a control does not answer WM_GETTEXT";
  std::string wrong = CheckNumberField(Utf8(*field_text));
  if (!wrong.empty()) return wrong + ": " + Utf8(*field_text);
  wrong = CheckMemo(Utf8(*memo_text), setup_.directory);
  if (!wrong.empty()) return wrong + ": " + Utf8(*memo_text);
  for (HWND window : program_->VisibleTopWindows()) {
    RECT r;
    GetWindowRect(window, &r);
    if (!MonitorFromRect(&r, MONITOR_DEFAULTTONULL))
      return "a window of class " + Utf8(WindowClassName(window)) + " is off every screen";
  }
  // A screen reader walks every shown window's tree, as one does while the
  // user works: each answers, the main window's from its client object.
  std::size_t elements = 0;
  for (HWND window : program_->VisibleTopWindows()) {
    const ReadElement tree = Reader::Tree(window);
    if (window == program_->Main() && tree.result != S_OK)
      return "the main window's accessible tree cannot be read";
    elements += ElementCount(tree);
  }
  if (!program_->Answers(2000)) return "the program does not answer within 2 s after the reader's walk";
  Log(JsonLine()
          .Text("check", "invariants")
          .Flag("ok", true)
          .Text("field", Utf8(*field_text))
          .Text("memo", Utf8(*memo_text))
          .Number("accessible-elements", static_cast<std::int64_t>(elements))
          .Str());
  return {};
}

void Monkey::BringIntoReach() {
  RECT r;
  GetWindowRect(program_->Main(), &r);
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  if (r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height) return;
  const int caption_y = GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  // A point of the caption on the screen, clear of its buttons.
  const POINT grip{
      std::max(r.left + 8, std::min(r.left + (r.right - r.left) / 3, static_cast<LONG>(width) - 8)),
      r.top + caption_y};
  std::string why;
  if (!SafeToPress(grip, &why)) {
    Log(JsonLine().Text("event", "bring-into-reach").Text("skipped", why).Str());
    return;
  }
  const POINT to{grip.x + (width - (r.right - r.left)) / 2 - r.left,
                 grip.y + std::max(0L, (height - (r.bottom - r.top)) / 2) - r.top};
  Log(JsonLine()
          .Text("event", "bring-into-reach")
          .Number("x", grip.x)
          .Number("y", grip.y)
          .Number("to_x", to.x)
          .Number("to_y", to.y)
          .Str());
  testing_support::Drag(grip, to, 6);
  program_->Settle(100);
}

std::string Monkey::CheckPhoneOrder(std::uint64_t round) {
  const auto& rows = setup_.directory.Rows();
  const auto& row = rows[static_cast<size_t>((round * 7919u) % rows.size())];
  const std::int64_t number = std::stoll(row.second);
  const std::wstring expected = Wide(AnswerText(setup_.directory.NameOf(number).value_or(""), number));
  const auto skip = [&](const char* why) {
    Log(JsonLine().Text("check", "phone order").Text("skipped", why).Str());
    return std::string();
  };
  // Esc closes an open menu or list first; a click then puts the focus in
  // the field and selects its text.
  testing_support::PressKey(VK_ESCAPE);
  program_->Settle();
  BringIntoReach();
  if (!HandleErrorBoxes().empty() || !program_->ErrorBoxes().empty()) return skip("an error box");
  HWND field = program_->Control(L"TMaskEdit");
  RECT r;
  GetWindowRect(field, &r);
  const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  std::string why;
  if (!IsWindowVisible(field) || !SafeToPress(centre, &why) || WindowFromPoint(centre) != field)
    return skip("the field cannot be reached");
  testing_support::Click(centre);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(program_->Main(), nullptr);
  if (!WaitUntil(
          *program_, [&] { return GetGUIThreadInfo(thread, &info) && info.hwndFocus == field; }, 1000))
    return skip("the field did not take the focus");
  // Home puts the cursor on the first place, whatever the click selected:
  // input is taken in order, so it comes after the click's own handling,
  // and the five digits then fill the field from its start. (A field that
  // already had the focus and kept a cursor inside its text, as after a
  // click the program took while it was still moving its window, turned
  // "2-__-__" and the typed 75111 into the search for 27511.)
  testing_support::PressKey(VK_HOME);
  program_->Settle();
  testing_support::TypeText(Wide(row.second) + L"\r");
  HWND memo = nullptr;
  const bool answered = WaitUntil(
      *program_,
      [&] {
        memo = program_->ResultMemo();
        return memo && AskText(memo) == expected;
      },
      2000);
  if (!program_->ErrorBoxes().empty()) return skip("an error box came instead");
  Log(JsonLine().Text("check", "phone order").Text("number", row.second).Flag("ok", answered).Str());
  if (!answered)
    return "the number search for " + row.second +
           " did not answer with its owner: " + Utf8(memo ? AskText(memo).value_or(L"") : L"");
  return {};
}

int Monkey::Run() {
  summary_.Write(JsonLine()
                     .Text("monkey", "start")
                     .Number("seed", static_cast<std::int64_t>(options_.seed))
                     .Number("events", static_cast<std::int64_t>(options_.count)));
  if (!StartProgram()) return Violation("the program did not start");
  MonkeyPlan plan(options_.seed);
  const ULONGLONG started = GetTickCount64();
  for (std::uint64_t n = 1; n <= options_.count; ++n) {
    const MonkeyEvent event = plan.Next();
    std::string why;
    const std::string line = Describe(event, n);
    if (Send(event, &why)) {
      Log(line);
    } else {
      ++skipped_;
      Log(JsonLine()
              .Number("n", static_cast<std::int64_t>(n))
              .Text("skipped", KindName(event.kind))
              .Text("why", why)
              .Str());
    }
    const bool answered = program_->Settle(event.kind == EventKind::kDrag ? 60 : 15);
    // A program that is ending (its "Выход" chosen) answers no more.
    if (!answered && !program_->WaitForExit(2000)) return Violation("the program does not answer within 2 s");
    std::string wrong = HandleErrorBoxes();
    if (!wrong.empty()) return Violation(wrong);
    if (!program_->Alive()) {
      const auto code = program_->WaitForExit(2000);
      if (code != std::optional<DWORD>(0))
        return Violation("the program ended with code " +
                         std::to_string(code ? static_cast<long long>(*code) : -1));
      // The program was closed as a user closes it (its menu's "Выход"):
      // a new one takes the rest of the events.
      ++restarts_;
      Log(JsonLine().Text("program", "closed with 0, started again").Str());
      if (!StartProgram()) return Violation("the program did not start again");
      continue;
    }
    if (options_.check_every != 0 && n % options_.check_every == 0) {
      wrong = CheckInvariants();
      if (wrong.empty()) wrong = CheckPhoneOrder(n / options_.check_every);
      if (!wrong.empty()) return Violation(wrong);
    }
  }
  std::string wrong = CheckInvariants();
  if (!wrong.empty()) return Violation(wrong);
  const ULONGLONG elapsed = GetTickCount64() - started;
  summary_.Write(JsonLine()
                     .Text("monkey", "done")
                     .Number("seed", static_cast<std::int64_t>(options_.seed))
                     .Number("events", static_cast<std::int64_t>(options_.count))
                     .Number("skipped", static_cast<std::int64_t>(skipped_))
                     .Number("error-boxes", static_cast<std::int64_t>(boxes_))
                     .Number("restarts", static_cast<std::int64_t>(restarts_))
                     .Number("ms", static_cast<std::int64_t>(elapsed)));
  // The program is closed as a user closes it and must end with 0 (a busy
  // machine may take seconds to end a Windows process under Wine).
  wrong = HandleErrorBoxes();
  if (!wrong.empty()) return Violation(wrong);
  PostMessageW(program_->Main(), WM_CLOSE, 0, 0);
  const auto code = program_->WaitForExit(15000);
  summary_.Write(JsonLine().Flag("ended", code.has_value()).Number("exit-code", code ? *code : -1));
  summary_.Check(code == std::optional<DWORD>(0), "the program ends with 0 after the run");
  return summary_.Failures();
}

}  // namespace

int RunMonkey(const Setup& setup, const MonkeyOptions& options, Report& summary) {
  Monkey monkey(setup, options, summary);
  return monkey.Run();
}

}  // namespace driver
