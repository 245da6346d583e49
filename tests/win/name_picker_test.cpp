// The name picker and its drop-down list on the real main window, driven by
// real input (SendInput): what a fresh picker shows and where its list
// opens, typing and accepting, the mouse on the rows, the scroll bar and a
// drag beyond the list, every way of closing and the name search it runs,
// the list placed at the screen's edges, the colours on screen, the typed
// name of every 101st person, and bad input in any order.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/forms/component_classes.h"
#include "base/exception.h"
#include "resources/component_reader.h"
#include "resources/event.h"
#include "resources/window_resource.h"
#include "search/lookup_combo_view.h"
#include "tests/common/embedded_streams.h"
#include "tests/win/program_windows.h"
#include "tests/win/real_input.h"
#include "text/case_map.h"
#include "text/literal.h"
#include "ui/framework/gdi.h"
#include "ui/framework/wide_text.h"

namespace {

using testing_support::Click;
using testing_support::ClientCentre;
using testing_support::MoveMouse;
using testing_support::PressButton;
using testing_support::PressKey;
using testing_support::ReleaseButton;
using testing_support::ScreenPixel;
using testing_support::ScreenPoint;
using testing_support::TextOf;
using testing_support::TypeText;
using testing_support::W;

// The directory as a second copy of the main window's tables, read from the
// same embedded description and never shown: the names in the person
// table's order, and each person's first number in the phone table's "FIO"
// order, which is what the name search answers.
class Directory {
 public:
  static Directory& Get() {
    static Directory directory;
    return directory;
  }

  const std::vector<std::string>& Names() const { return names_; }
  int Key(size_t person) const { return keys_[person]; }

  // The position of the first name beginning with `typed` (letter case
  // ignored), as the typed search finds it; Names().size() when none does.
  size_t FirstBeginningWith(const std::string& typed) const {
    const std::string wanted = text::ToUpper(typed);
    for (size_t i = 0; i < names_.size(); ++i) {
      if (text::ToUpper(names_[i]).compare(0, wanted.size(), wanted) == 0) return i;
    }
    return names_.size();
  }

  // The three lines the name search writes for `person`.
  std::vector<std::string> Answer(size_t person) {
    static constexpr auto kTitle = text::Cp1251(u8" *** Результат. ***");
    static constexpr auto kName = text::Cp1251(u8"Фамилия - ");
    static constexpr auto kNumber = text::Cp1251(u8"Телефон - ");
    form_->daTel->SetIndexFieldNames("FIO");
    const bool found = form_->daTel->SeekKey({std::int64_t{keys_[person]}});
    const std::string number = std::to_string(form_->daTelTEL->AsInteger());
    form_->daTel->SetIndexFieldNames("TEL");
    if (!found) return {"no number for " + names_[person]};
    return {kTitle.str(), kName.str() + names_[person], kNumber.str() + number};
  }

 private:
  Directory() {
    resources::ClassRegistry registry;
    app::RegisterComponentClasses(registry);
    form_ = new app::TMainForm(&owner_);
    resources::ReadComponentStream(resources::FindWindowStream("TMainForm"), *form_, registry);
    data::TClientDataSet& people = *form_->daFio;
    people.GoFirst();
    do {
      names_.push_back(form_->daFioFIO->AsString());
      keys_.push_back(form_->daFioKEY_F->AsInteger());
    } while (people.Step(1) == 1);
  }

  base::TComponent owner_{nullptr};
  app::TMainForm* form_ = nullptr;
  std::vector<std::string> names_;
  std::vector<int> keys_;
};

std::vector<std::wstring> SplitLines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  if (text.empty()) return lines;
  size_t start = 0;
  for (size_t end; (end = text.find(L"\r\n", start)) != std::wstring::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

// A real modal message box, as the error display shows one, while a timer
// of the box's own loop gives `input` once and then dismisses the box.
class ModalBox {
 public:
  std::function<void()> input;

  void Show(HWND owner) {
    running_ = this;
    const UINT_PTR timer = SetTimer(nullptr, 0, 40, &ModalBox::Tick);
    MessageBoxW(owner, L"Broken.", L"Phonebook", MB_OK | MB_ICONERROR);
    KillTimer(nullptr, timer);
    running_ = nullptr;
  }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    ModalBox* box = running_;
    if (!box) return;
    if (++box->ticks_ == 1 && box->input) box->input();
    if (box->ticks_ < 6) return;
    EnumThreadWindows(GetCurrentThreadId(), &ModalBox::Dismiss, 0);
  }
  static BOOL CALLBACK Dismiss(HWND window, LPARAM) {
    wchar_t class_name[16] = {};
    GetClassNameW(window, class_name, 16);
    if (std::wstring(class_name) == L"#32770") PostMessageW(window, WM_COMMAND, IDOK, 0);
    return TRUE;
  }

  static inline ModalBox* running_ = nullptr;
  int ticks_ = 0;
};

class NamePickerTest : public testing_support::ProgramWindowsTest {
 protected:
  void SetUp() override {
    ProgramWindowsTest::SetUp();
    view_ = dynamic_cast<search::LookupComboView*>(ViewOf("RxDBLookupCombo1"));
    ASSERT_NE(view_, nullptr);
    ASSERT_NE(view_->ListView(), nullptr);
  }

  static Directory& Dir() { return Directory::Get(); }
  search::TRxDBLookupCombo& Core() const { return *form_->RxDBLookupCombo1; }
  HWND Picker() const { return Of("RxDBLookupCombo1"); }
  HWND List() const { return view_->ListView()->Handle(); }
  bool ListOpen() const { return IsWindowVisible(List()) != FALSE; }
  std::wstring PickerText() const { return TextOf(Picker()); }
  std::vector<std::wstring> Rows() const { return SplitLines(TextOf(List())); }
  int Selection() const { return static_cast<int>(SendMessageW(List(), LB_GETCURSEL, 0, 0)); }
  const std::vector<std::string>& MemoLines() const { return form_->meResult->lines.lines; }
  int RowHeight() const { return Core().List().RowHeight(); }
  int CurrentKey() const { return form_->daFioKEY_F->AsInteger(); }
  static std::wstring Name(size_t person) { return ui::Wide(Dir().Names()[person]); }

  // Shows the window and gives the picker the focus with Tab (from the memo).
  void FocusPicker() {
    ShowAndSettle();
    PressKey(VK_TAB);
    ASSERT_TRUE(SettleUntil([&] { return GetFocus() == Picker(); }));
  }
  bool SettleUntilOpen() {
    return SettleUntil([&] { return ListOpen(); });
  }
  bool SettleUntilClosed() {
    return SettleUntil([&] { return !ListOpen(); });
  }
  // Waits until the memo holds the answer for `person`.
  ::testing::AssertionResult ShowsAnswerFor(size_t person) {
    const std::vector<std::string> expected = Dir().Answer(person);
    if (SettleUntil([&] { return MemoLines() == expected; })) return ::testing::AssertionSuccess();
    std::string got;
    for (const std::string& line : MemoLines()) got += line + " / ";
    return ::testing::AssertionFailure() << "memo: " << text::Cp1251ToUtf8(got) << " expected the answer for "
                                         << text::Cp1251ToUtf8(Dir().Names()[person]);
  }
  // A point in the list's row `row` (client x given), in screen coordinates.
  POINT RowPoint(int row, int x = 20) const {
    return ScreenPoint(List(), POINT{x, row * RowHeight() + RowHeight() / 2});
  }
  // The pixel at `client` of `window` on the screen.
  static COLORREF PixelOf(HWND window, POINT client) { return ScreenPixel(ScreenPoint(window, client)); }
  static RECT WindowRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
  }
  // The screen rectangle of the list's scroll bar.
  RECT ScrollBarRect() const {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    GetScrollBarInfo(List(), OBJID_VSCROLL, &info);
    return info.rcScrollBar;
  }
  // Moves the main window so that the picker's window stands at `at`.
  void PlacePickerAt(POINT at) {
    const RECT picker = WindowRect(Picker());
    const RECT main = WindowRect(Handle());
    SetWindowPos(Handle(), nullptr, main.left + at.x - picker.left, main.top + at.y - picker.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER);
    Settle(30);
  }
  // What must hold whatever the user did: the list is open exactly when
  // the core says so and only while the picker has the focus, nobody holds
  // the mouse, and the person table stands on a real person.
  void ExpectConsistent() {
    EXPECT_EQ(ListOpen(), Core().ListVisible());
    if (ListOpen()) {
      EXPECT_EQ(GetFocus(), Picker());
      EXPECT_TRUE(IsWindowVisible(Picker()));
    }
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(Core().Tracking());
    EXPECT_FALSE(Core().List().Tracking());
    EXPECT_FALSE(view_->ListView()->AutoScrollRunning());
    const int key = CurrentKey();
    EXPECT_TRUE(key >= 1 && key <= static_cast<int>(Dir().Names().size())) << key;
    EXPECT_FALSE(form_->daFioFIO->AsString().empty());
  }

  // Moves the pointer to `at` and waits until the system has it there and
  // it stays, so that a press without a place that follows lands there:
  // under load, Wine now and then reports a former place late, after the
  // pointer's new one, and the pointer goes back there; then it moves again.
  void MovePointerTo(POINT at) {
    const auto there = [&] {
      POINT now{};
      GetCursorPos(&now);
      return now.x == at.x && now.y == at.y;
    };
    for (int attempt = 0; attempt < 4; ++attempt) {
      MoveMouse(at);
      if (SettleUntil(there)) {
        Settle(40);
        if (there()) return;
      }
    }
    ADD_FAILURE() << "the pointer did not stay at " << at.x << "," << at.y;
  }
  // Moves the pointer to `at` and waits until `reached` holds. Wine on a
  // busy machine now and then loses a lone synthetic move to a captured
  // window (a user's pointer sends a stream of them): while `reached` does
  // not hold, the move is sent again every 150 ms, a pixel aside and back.
  ::testing::AssertionResult MoveUntil(POINT at, const std::function<bool()>& reached) {
    MoveMouse(at);
    LONG nudge = 0;
    DWORD next = GetTickCount() + 150;
    const bool done = SettleUntil([&] {
      if (reached()) return true;
      if (static_cast<LONG>(GetTickCount() - next) >= 0) {
        MoveMouse(POINT{at.x + (++nudge % 2), at.y});
        next = GetTickCount() + 150;
      }
      return false;
    });
    if (done) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "moved to " << at.x << "," << at.y << ": " << InputState();
  }
  static std::string ClassOf(HWND window) {
    wchar_t name[64] = {};
    if (window) GetClassNameW(window, name, 64);
    return ui::Narrow(name);
  }
  // The input state, for a failure's message.
  std::string InputState() const {
    POINT at{};
    GetCursorPos(&at);
    const HWND capture = GetCapture();
    return "pointer " + std::to_string(at.x) + "," + std::to_string(at.y) + ", capture " +
           (capture == List()     ? "list"
            : capture == Picker() ? "picker"
            : capture             ? "other"
                                  : "none") +
           ", focus on picker " + std::to_string(GetFocus() == Picker()) + ", capture/focus class " +
           ClassOf(capture) + "/" + ClassOf(GetFocus()) + ", picker tracking " +
           std::to_string(Core().Tracking()) + ", list tracking " + std::to_string(Core().List().Tracking()) +
           ", list open " + std::to_string(ListOpen()) + ", auto-scroll " +
           std::to_string(view_->ListView()->AutoScrollRunning()) + ", row " + std::to_string(Selection()) +
           ", current " + std::to_string(CurrentKey());
  }

  search::LookupComboView* view_ = nullptr;
};

// --- A fresh picker, opening and Esc ---

TEST_F(NamePickerTest, AFreshPickerShowsNothingAndOpensOnTheFirstPersonWithOnlyAFocusRectangle) {
  FocusPicker();
  EXPECT_EQ(PickerText(), L"");
  EXPECT_FALSE(ListOpen());
  EXPECT_EQ(TextOf(List()), L"");
  EXPECT_EQ(Selection(), -1);

  Click(ClientCentre(Picker()));
  ASSERT_TRUE(SettleUntilOpen());
  EXPECT_FALSE(Core().ButtonPressed());
  // Opened without taking the activation or the focus.
  EXPECT_EQ(GetForegroundWindow(), Handle());
  EXPECT_EQ(GetFocus(), Picker());
  EXPECT_EQ(GetWindow(List(), GW_OWNER), Handle());
  EXPECT_TRUE(GetWindowLongPtrW(List(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(GetWindowLongPtrW(List(), GWL_STYLE) & WS_TABSTOP);
  EXPECT_TRUE(GetClassLongPtrW(List(), GCL_STYLE) & CS_SAVEBITS);
  // Eight rows from the first person, none highlighted; the picker still empty.
  const std::vector<std::wstring> rows = Rows();
  ASSERT_EQ(rows.size(), 8u);
  for (size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i], Name(i));
  EXPECT_EQ(Selection(), -1);
  EXPECT_EQ(PickerText(), L"");
  EXPECT_EQ(CurrentKey(), Dir().Key(0));
  // Under the picker, as wide as it, 8 rows of the font's height and the border.
  const RECT list = WindowRect(List());
  const RECT picker = WindowRect(Picker());
  EXPECT_EQ(list.left, picker.left);
  EXPECT_EQ(list.top, picker.bottom);
  EXPECT_EQ(list.right - list.left, window_->WindowScale().Length(145));  // the picker's stored width
  EXPECT_EQ(list.bottom - list.top, 8 * RowHeight() + 2);
  EXPECT_TRUE(GetWindowLongPtrW(List(), GWL_STYLE) & WS_VSCROLL);

  // The top row: a dotted focus rectangle on its top edge, no highlight inside.
  const COLORREF window = GetSysColor(COLOR_WINDOW);
  EXPECT_EQ(PixelOf(List(), POINT{1, 1}), window);
  int dots = 0;
  for (int x = 0; x < 20; ++x) dots += PixelOf(List(), POINT{x, 0}) != window ? 1 : 0;
  EXPECT_GE(dots, 5);
  EXPECT_EQ(PixelOf(List(), POINT{1, RowHeight() + 1}), window);
  // The open picker is not drawn in the selection colours.
  EXPECT_EQ(PixelOf(Picker(), POINT{2, 2}), window);

  PressKey(VK_ESCAPE);
  ASSERT_TRUE(SettleUntilClosed());
  EXPECT_TRUE(ShowsAnswerFor(0));
  EXPECT_EQ(PickerText(), L"");
  EXPECT_EQ(GetFocus(), Picker());
  EXPECT_EQ(TextOf(List()), L"");
  EXPECT_TRUE(box_.shown.empty());
}

TEST_F(NamePickerTest, TheFocusedClosedPickerIsDrawnInTheSelectionColours) {
  ShowAndSettle();
  const COLORREF window = GetSysColor(COLOR_WINDOW);
  const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  EXPECT_EQ(PixelOf(Picker(), POINT{2, 2}), window);
  PressKey(VK_TAB);
  ASSERT_TRUE(SettleUntil([&] { return GetFocus() == Picker(); }));
  Settle(30);
  EXPECT_EQ(PixelOf(Picker(), POINT{2, 2}), highlight);
  // The focus rectangle on the text area's edge, the margin in the window colour.
  EXPECT_EQ(PixelOf(Picker(), POINT{0, 0}), window);
  int dots = 0;
  for (int x = 1; x < 21; ++x) dots += PixelOf(Picker(), POINT{x, 1}) != highlight ? 1 : 0;
  EXPECT_GE(dots, 5);
  // Leaving it, the colours go.
  PressKey(VK_TAB);
  ASSERT_TRUE(SettleUntil([&] { return GetFocus() == Of("MaskEdit1"); }));
  Settle(30);
  EXPECT_EQ(PixelOf(Picker(), POINT{2, 2}), window);
}

TEST_F(NamePickerTest, ADisabledPickerDrawsItsNameGreyAndTakesNoClick) {
  ShowAndSettle();
  Core().SetValue(Dir().Names()[0]);
  Settle(30);
  RECT client;
  GetClientRect(Picker(), &client);
  const int button = GetSystemMetrics(SM_CXVSCROLL);
  // How many pixels of the text area and of the button have `color` on the
  // screen (copied at once: a pixel at a time is slow under Wine).
  const auto count = [&](COLORREF color, bool in_button) {
    const int width = static_cast<int>(client.right), height = static_cast<int>(client.bottom);
    const POINT origin = ScreenPoint(Picker(), POINT{0, 0});
    const ui::WindowDC screen(nullptr);
    const ui::MemoryDC memory(screen.Get(), width, height);
    BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), origin.x, origin.y, SRCCOPY);
    int found = 0;
    const int left = in_button ? width - 1 - button : 1;
    const int right = in_button ? width - 1 : width - 1 - button;
    for (int y = 1; y < height - 1; ++y) {
      for (int x = left; x < right; ++x) found += GetPixel(memory.Get(), x, y) == color ? 1 : 0;
    }
    return found;
  };
  const COLORREF gray = GetSysColor(COLOR_GRAYTEXT);
  const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
  EXPECT_GT(count(text, false), 10);
  EXPECT_EQ(count(gray, false), 0);
  EXPECT_GT(count(text, true), 3);  // the arrow

  Core().SetEnabled(false);
  Settle(30);
  EXPECT_EQ(count(text, false), 0);
  EXPECT_GT(count(gray, false), 10);
  EXPECT_EQ(count(text, true), 0);  // the arrow greyed
  EXPECT_EQ(PickerText(), Name(0));
  Click(ClientCentre(Picker()));
  Settle(60);
  EXPECT_FALSE(ListOpen());
  EXPECT_NE(GetFocus(), Picker());
  ExpectConsistent();
  Core().SetEnabled(true);
}

TEST_F(NamePickerTest, TheHourglassIsTheScreenCursorWhileTheCoreSearchesAndGoesAfter) {
  ShowAndSettle();
  MoveMouse(ClientCentre(Picker()));
  Settle(30);
  search::LookupPlatform* platform = Core().Platform();
  ASSERT_NE(platform, nullptr);
  platform->SetBusyCursor(true);
  platform->SetBusyCursor(true);  // nested scans keep it
  EXPECT_EQ(application_->ScreenCursor(), ui::crHourGlass);
  EXPECT_EQ(testing_support::CurrentCursor(), LoadCursorW(nullptr, IDC_WAIT));
  platform->SetBusyCursor(false);
  EXPECT_EQ(application_->ScreenCursor(), ui::crHourGlass);
  platform->SetBusyCursor(false);
  EXPECT_EQ(application_->ScreenCursor(), ui::crDefault);
  EXPECT_EQ(testing_support::CurrentCursor(), LoadCursorW(nullptr, IDC_ARROW));
  // A typed search ends with the pointer as it was.
  FocusPicker();
  TypeText(W(u8"ив"));
  ASSERT_TRUE(SettleUntil([&] { return PickerText().size() == 2; }));
  EXPECT_EQ(application_->ScreenCursor(), ui::crDefault);
}

// --- Typing, Enter, a click on a row ---

TEST_F(NamePickerTest, TypingInTheClosedPickerOpensTheListOnTheFirstMatchAndEnterAcceptsIt) {
  FocusPicker();
  const size_t person = Dir().FirstBeginningWith(text::Utf8ToCp1251("ИВ"));
  ASSERT_LT(person, Dir().Names().size());
  TypeText(W(u8"ив"));
  ASSERT_TRUE(SettleUntil([&] { return ListOpen() && PickerText().size() == 2; }));
  // The two letters as the name has them.
  EXPECT_EQ(PickerText(), Name(person).substr(0, 2));
  const std::vector<std::wstring> rows = Rows();
  const int selected = Selection();
  ASSERT_GE(selected, 0);
  ASSERT_LT(static_cast<size_t>(selected), rows.size());
  EXPECT_EQ(rows[static_cast<size_t>(selected)], Name(person));
  EXPECT_EQ(CurrentKey(), Dir().Key(person));
  // The highlighted row in the selection colours, the others not.
  EXPECT_EQ(PixelOf(List(), POINT{1, selected * RowHeight() + 1}), GetSysColor(COLOR_HIGHLIGHT));
  const int other = selected == 0 ? 1 : 0;
  EXPECT_EQ(PixelOf(List(), POINT{1, other * RowHeight() + 1}), GetSysColor(COLOR_WINDOW));
  // Backspace searches again from one letter.
  PressKey(VK_BACK);
  ASSERT_TRUE(SettleUntil([&] { return PickerText().size() == 1; }));
  EXPECT_EQ(CurrentKey(), Dir().Key(Dir().FirstBeginningWith(text::Utf8ToCp1251("И"))));
  TypeText(W(u8"в"));
  ASSERT_TRUE(SettleUntil([&] { return PickerText().size() == 2; }));

  PressKey(VK_RETURN);
  ASSERT_TRUE(SettleUntilClosed());
  EXPECT_TRUE(ShowsAnswerFor(person));
  EXPECT_EQ(PickerText(), Name(person));
  EXPECT_EQ(Core().Value(), Dir().Names()[person]);
  EXPECT_EQ(GetFocus(), Picker());
}

TEST_F(NamePickerTest, APressOfAnyButtonInTheListEndsTheTypedSearch) {
  FocusPicker();
  const size_t first_a = Dir().FirstBeginningWith(text::Utf8ToCp1251("А"));
  ASSERT_LT(first_a, Dir().Names().size());
  for (const testing_support::Button button :
       {testing_support::Button::kRight, testing_support::Button::kMiddle}) {
    SCOPED_TRACE(button == testing_support::Button::kRight ? "right" : "middle");
    TypeText(W(u8"ив"));
    ASSERT_TRUE(SettleUntil([&] { return ListOpen() && PickerText().size() == 2; }));
    // The press selects nothing and closes nothing; the next letter starts
    // a new search.
    const int key = CurrentKey();
    Click(RowPoint(6), button);
    ASSERT_TRUE(SettleUntil([&] { return PickerText().size() > 2; })) << "the search text stayed";
    EXPECT_TRUE(ListOpen());
    EXPECT_EQ(CurrentKey(), key);
    TypeText(W(u8"а"));
    ASSERT_TRUE(SettleUntil([&] { return PickerText().size() == 1; })) << ui::Narrow(PickerText());
    EXPECT_EQ(CurrentKey(), Dir().Key(first_a));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(SettleUntilClosed());
  }
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(NamePickerTest, AClickOnARowAcceptsItAndADragFromThePickerIntoTheListToo) {
  FocusPicker();
  PressKey(VK_DOWN, testing_support::kAlt);
  ASSERT_TRUE(SettleUntilOpen());
  Click(RowPoint(3));
  ASSERT_TRUE(SettleUntilClosed());
  EXPECT_TRUE(ShowsAnswerFor(3));
  EXPECT_EQ(PickerText(), Name(3));
  EXPECT_EQ(GetCapture(), nullptr);

  // Pressed on the picker, the list opens around the value (person 3 in
  // the view) and the drag goes on in the list; released on a row it accepts.
  const POINT on_picker = ClientCentre(Picker());
  MovePointerTo(on_picker);
  PressButton(testing_support::Button::kLeft);
  ASSERT_TRUE(SettleUntilOpen()) << InputState();
  const std::vector<std::wstring> rows = Rows();
  ASSERT_EQ(rows.size(), 8u);
  const int value_row = Selection();
  ASSERT_GE(value_row, 0);
  EXPECT_EQ(rows[static_cast<size_t>(value_row)], Name(3));
  const int target = value_row == 5 ? 6 : 5;
  // Wine routes a move to the window that held the capture when it was
  // sent: the next move waits until the list has taken the drag over.
  ASSERT_TRUE(MoveUntil(RowPoint(2), [&] { return GetCapture() == List() && Selection() == 2; }));
  ASSERT_TRUE(MoveUntil(RowPoint(target), [&] { return Selection() == target; }));
  MoveMouseAndSettle(RowPoint(target));
  ASSERT_TRUE(SettleUntil([&] { return Selection() == target; })) << InputState();
  ReleaseButton(testing_support::Button::kLeft);
  ASSERT_TRUE(SettleUntilClosed());
  EXPECT_EQ(PickerText(), rows[static_cast<size_t>(target)]);
  EXPECT_EQ(ui::Wide(MemoLines().at(1)).substr(10), rows[static_cast<size_t>(target)]);
  ExpectConsistent();
}

TEST_F(NamePickerTest,
       TheButtonIsDrawnPressedOnlyWhileHeldUnderThePointerAndReleasingOnThePickerKeepsTheList) {
  FocusPicker();
  RECT client;
  GetClientRect(Picker(), &client);
  const POINT button = ScreenPoint(Picker(), POINT{client.right - 5, client.bottom / 2});
  MovePointerTo(button);
  Settle(30);
  EXPECT_EQ(testing_support::CurrentCursor(), LoadCursorW(nullptr, IDC_ARROW));
  PressButton(testing_support::Button::kLeft);
  ASSERT_TRUE(SettleUntilOpen());
  EXPECT_TRUE(Core().ButtonPressed());
  EXPECT_EQ(GetCapture(), Picker());
  ASSERT_TRUE(MoveUntil(ScreenPoint(Picker(), POINT{10, client.bottom / 2}),
                        [&] { return !Core().ButtonPressed(); }));
  ASSERT_TRUE(MoveUntil(button, [&] { return Core().ButtonPressed(); }));
  ReleaseButton(testing_support::Button::kLeft);
  ASSERT_TRUE(SettleUntil([&] { return !Core().ButtonPressed(); }));
  EXPECT_TRUE(ListOpen());
  EXPECT_EQ(GetCapture(), nullptr);
  // A second press on the picker closes the list without accepting.
  Click(button);
  ASSERT_TRUE(SettleUntilClosed());
  EXPECT_EQ(PickerText(), L"");
  EXPECT_TRUE(ShowsAnswerFor(0));
  ExpectConsistent();
}

// --- The scroll bar and the auto-scroll ---

TEST_F(NamePickerTest, TheScrollBarsArrowsAndPageAreasMoveTheRecordButNotTheHighlight) {
  FocusPicker();
  PressKey(VK_DOWN, testing_support::kAlt);
  ASSERT_TRUE(SettleUntilOpen());
  const RECT bar = ScrollBarRect();
  const int arrow = GetSystemMetrics(SM_CYVSCROLL);
  const LONG x = (bar.left + bar.right) / 2;
  const POINT down_arrow{x, bar.bottom - arrow / 2};
  const POINT up_arrow{x, bar.top + arrow / 2};
  const POINT lower_page{x, bar.bottom - arrow - 3};
  const POINT upper_page{x, bar.top + arrow + 3};
  const auto first_row = [&] { return Rows().empty() ? std::wstring() : Rows().front(); };
  const auto where = [&] {
    return "first row " + text::Cp1251ToUtf8(ui::Narrow(first_row())) + ", current " +
           text::Cp1251ToUtf8(form_->daFioFIO->AsString()) + ", thumb " +
           std::to_string(GetScrollPos(List(), SB_VERT));
  };

  // Line down: the record just below the last row becomes current.
  Click(down_arrow);
  ASSERT_TRUE(SettleUntil([&] { return first_row() == Name(1); })) << where();
  EXPECT_EQ(CurrentKey(), Dir().Key(8));
  EXPECT_EQ(Selection(), -1);
  EXPECT_EQ(GetScrollPos(List(), SB_VERT), 2);
  // Page down: seven records below the last row.
  Click(lower_page);
  ASSERT_TRUE(SettleUntil([&] { return first_row() == Name(8); })) << where();
  EXPECT_EQ(CurrentKey(), Dir().Key(15));
  // Line up: the record just above the first row.
  Click(up_arrow);
  ASSERT_TRUE(SettleUntil([&] { return first_row() == Name(7); })) << where();
  EXPECT_EQ(CurrentKey(), Dir().Key(7));
  // Page up: back to the first record; past it the thumb goes to the top.
  Click(upper_page);
  ASSERT_TRUE(SettleUntil([&] { return first_row() == Name(0); })) << where();
  EXPECT_EQ(CurrentKey(), Dir().Key(0));
  Click(up_arrow);
  ASSERT_TRUE(SettleUntil([&] { return GetScrollPos(List(), SB_VERT) == 0; }));
  EXPECT_EQ(first_row(), Name(0));
  EXPECT_TRUE(ListOpen());
  EXPECT_EQ(GetFocus(), Picker());
  EXPECT_EQ(GetForegroundWindow(), Handle());
  EXPECT_EQ(GetCapture(), nullptr);
  // The picker's text follows no scroll; Esc reads the scrolled-to record.
  Click(lower_page);
  ASSERT_TRUE(SettleUntil([&] { return CurrentKey() == Dir().Key(14); }));
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(SettleUntilClosed());
  EXPECT_TRUE(ShowsAnswerFor(14));
  EXPECT_EQ(PickerText(), L"");
}

TEST_F(NamePickerTest, TheOpenListTakesNoActivationAndOnlyItsVerticalBarScrolls) {
  FocusPicker();
  PressKey(VK_DOWN, testing_support::kAlt);
  ASSERT_TRUE(SettleUntilOpen());
  EXPECT_EQ(SendMessageW(List(), WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(List()),
                         MAKELPARAM(HTVSCROLL, WM_LBUTTONDOWN)),
            MA_NOACTIVATE);
  const std::vector<std::wstring> before = Rows();
  SendMessageW(List(), WM_HSCROLL, SB_PAGEDOWN, 0);
  Settle(30);
  EXPECT_EQ(Rows(), before);
  SendMessageW(List(), WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_TRUE(SettleUntil([&] { return Rows() != before; }));
  EXPECT_EQ(GetFocus(), Picker());
  ExpectConsistent();
}

TEST_F(NamePickerTest, DraggingBelowTheListScrollsOnTheTimerAndReleasingOutsideDoesNotAccept) {
  FocusPicker();
  PressKey(VK_DOWN, testing_support::kAlt);
  ASSERT_TRUE(SettleUntilOpen());
  MovePointerTo(RowPoint(1));
  PressButton(testing_support::Button::kLeft);
  ASSERT_TRUE(SettleUntil([&] { return Selection() == 1; }));
  EXPECT_EQ(GetCapture(), List());
  // 20 pixels below the rows: a tick every 0 ms, one record each; the
  // current record, highlighted, stays at the bottom as the rows scroll.
  const RECT list = WindowRect(List());
  ASSERT_TRUE(MoveUntil(POINT{list.left + 20, list.bottom + 20}, [&] { return Selection() == 7; }));
  ASSERT_TRUE(SettleUntil([&] { return !Rows().empty() && Rows().front() != Name(0); })) << InputState();
  EXPECT_TRUE(view_->ListView()->AutoScrollRunning());
  EXPECT_EQ(Rows().back(), ui::Wide(form_->daFioFIO->AsString()));
  EXPECT_EQ(Selection(), 7);
  // Back inside: the timer stops.
  ASSERT_TRUE(MoveUntil(RowPoint(4), [&] { return !view_->ListView()->AutoScrollRunning(); }));
  EXPECT_EQ(Selection(), 4);
  // Released beside the list: the row at that height is selected, not accepted.
  const std::wstring top_row = Rows().front();
  const POINT beside{list.right + 30, list.top + 3};
  ASSERT_TRUE(MoveUntil(beside, [&] { return Selection() == 0; }));
  // Wine may put the pointer back for a moment after a move: release only
  // once it rests beside the list.
  MoveMouseAndSettle(beside);
  ASSERT_TRUE(SettleUntil([&] { return Selection() == 0; })) << InputState();
  ReleaseButton(testing_support::Button::kLeft);
  ASSERT_TRUE(SettleUntilClosed());
  EXPECT_EQ(PickerText(), L"");
  EXPECT_EQ(ui::Wide(form_->daFioFIO->AsString()), top_row);
  EXPECT_EQ(ui::Wide(MemoLines().at(1)).substr(10), top_row);
  ExpectConsistent();
}

// --- Closing without accepting ---

TEST_F(NamePickerTest, TabAwayClosesWithoutAcceptingAndRunsTheSearch) {
  FocusPicker();
  const size_t person = Dir().FirstBeginningWith(text::Utf8ToCp1251("ИВ"));
  TypeText(W(u8"ив"));
  ASSERT_TRUE(SettleUntil([&] { return PickerText().size() == 2; }));
  PressKey(VK_TAB);
  ASSERT_TRUE(SettleUntilClosed());
  EXPECT_EQ(GetFocus(), Of("MaskEdit1"));
  EXPECT_EQ(PickerText(), L"");
  EXPECT_EQ(Core().Value(), "");
  EXPECT_TRUE(ShowsAnswerFor(person));
}

TEST_F(NamePickerTest, APressOnAnotherControlOrAnotherWindowClosesWithoutAccepting) {
  FocusPicker();
  struct Case {
    const char* what;
    std::function<void()> press;
  };
  const Case cases[] = {
      {"a label", [&] { Click(ClientCentre(Of("Label1"))); }},
      {"the status bar", [&] { Click(ClientCentre(Of("StatusBar1"))); }},
      {"the memo", [&] { Click(ClientCentre(Of("meResult"))); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetFocus(Picker());
    Settle(20);
    PressKey(VK_DOWN, testing_support::kAlt);
    ASSERT_TRUE(SettleUntilOpen());
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    ASSERT_TRUE(SettleUntil([&] { return CurrentKey() == Dir().Key(1); }));
    c.press();
    ASSERT_TRUE(SettleUntilClosed());
    EXPECT_EQ(PickerText(), L"");
    EXPECT_TRUE(ShowsAnswerFor(1));
    ExpectConsistent();
  }
  // Another window activated: the picker loses the focus, the list closes.
  SetFocus(Picker());
  Settle(20);
  PressKey(VK_DOWN, testing_support::kAlt);
  ASSERT_TRUE(SettleUntilOpen());
  form_->TBItem2->Click();  // the About window
  ASSERT_TRUE(SettleUntilClosed());
  EXPECT_EQ(PickerText(), L"");
  ExpectConsistent();
  EXPECT_TRUE(box_.shown.empty());
}

// --- Where the list goes ---

TEST_F(NamePickerTest, TheListStandsAboveThePickerNearTheScreensBottomAndStaysOnTheScreen) {
  ShowAndSettle();
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  const auto open_at = [&](POINT at) {
    PlacePickerAt(at);
    SetFocus(Picker());
    Settle(20);
    PressKey(VK_DOWN, testing_support::kAlt);
    EXPECT_TRUE(SettleUntilOpen());
    const RECT r = WindowRect(List());
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(SettleUntilClosed());
    return r;
  };
  RECT r = open_at(POINT{100, height - 60});
  const int list_height = 8 * RowHeight() + 2;
  RECT picker = WindowRect(Picker());
  EXPECT_EQ(r.bottom, picker.top);
  EXPECT_EQ(r.left, picker.left);

  r = open_at(POINT{100, 100});
  picker = WindowRect(Picker());
  EXPECT_EQ(r.top, picker.bottom);

  // Past the right edge: moved left to end there.
  r = open_at(POINT{width - 60, 100});
  EXPECT_EQ(r.right, width);
  EXPECT_EQ(r.right - r.left, window_->WindowScale().Length(145));
  // Past the left edge: never left of 0.
  r = open_at(POINT{-80, 100});
  EXPECT_EQ(r.left, 0);
  // Above the top edge and at the bottom corner.
  r = open_at(POINT{-80, -10});
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.bottom - r.top, list_height);
  r = open_at(POINT{width - 10, height - 5});
  EXPECT_EQ(r.right, width);
  EXPECT_EQ(r.bottom, WindowRect(Picker()).top);
  ExpectConsistent();
}

// --- The whole directory through the keyboard ---

TEST_F(NamePickerTest, EveryHundredAndFirstPersonTypedInFullGivesThatPersonsAnswer) {
  FocusPicker();
  const std::vector<std::string>& names = Dir().Names();
  int checked = 0;
  for (size_t person = 0; person < names.size(); person += 101) {
    const std::string typed = text::ToLower(names[person]);
    const size_t expected = Dir().FirstBeginningWith(typed);
    TypeText(ui::Wide(typed));
    PressKey(VK_RETURN);
    ASSERT_TRUE(ShowsAnswerFor(expected)) << text::Cp1251ToUtf8(names[person]);
    ASSERT_TRUE(SettleUntilClosed());
    EXPECT_EQ(PickerText(), Name(expected));
    ++checked;
  }
  EXPECT_EQ(checked, static_cast<int>((names.size() + 100) / 101));
  ExpectConsistent();
}

// --- Bad input ---

TEST_F(NamePickerTest, KeysAndClicksInAnyOrderLeaveNoListWithoutItsPickerAndNoCapture) {
  FocusPicker();
  std::mt19937 random(20261208);
  RECT client;
  GetClientRect(Picker(), &client);
  const POINT picker_text = ScreenPoint(Picker(), POINT{10, client.bottom / 2});
  const POINT picker_button = ScreenPoint(Picker(), POINT{client.right - 4, client.bottom / 2});
  const std::vector<std::function<void()>> actions = {
      [&] { Click(picker_text); },
      [&] { Click(picker_button); },
      [&] { testing_support::DoubleClick(picker_text); },
      [&] { Click(RowPoint(static_cast<int>(random() % 8))); },
      [&] { testing_support::Drag(picker_text, RowPoint(static_cast<int>(random() % 8)), 3); },
      [&] {
        const RECT list = WindowRect(List());
        testing_support::Drag(RowPoint(2), POINT{list.left + 10, list.bottom + 15}, 2);
      },
      [&] {
        const RECT bar = ScrollBarRect();
        Click(POINT{(bar.left + bar.right) / 2, bar.top + static_cast<LONG>(random() % 100)});
      },
      [&] { Click(ClientCentre(Of("Label1"))); },
      [&] { PressKey(VK_DOWN, testing_support::kAlt); },
      [&] { PressKey(VK_UP, testing_support::kAlt); },
      [&] { PressKey(VK_DOWN); },
      [&] { PressKey(VK_UP); },
      [&] { PressKey(VK_NEXT); },
      [&] { PressKey(VK_PRIOR); },
      [&] { PressKey(VK_HOME); },
      [&] { PressKey(VK_END); },
      [&] { PressKey(VK_RETURN); },
      [&] { PressKey(VK_ESCAPE); },
      [&] { PressKey(VK_F4); },
      [&] { PressKey(VK_BACK); },
      [&] { TypeText(W(u8"ив")); },
      [&] { TypeText(W(u8"я")); },
      [&] { TypeText(L"\u4e2d#"); },  // no 1251 form, then no name begins so
      [&] { PressKey(VK_TAB); },
      [&] { SetFocus(Picker()); },
  };
  for (int round = 0; round < 40; ++round) {
    SCOPED_TRACE(round);
    // A burst of several actions with no time for the program in between.
    const int burst = 1 + static_cast<int>(random() % 6);
    for (int i = 0; i < burst; ++i) actions[random() % actions.size()]();
    Settle(40);
    ParkMouse();
    Settle(10);
    ExpectConsistent();
    if (HasFailure()) break;
  }
}

TEST_F(NamePickerTest, InputWhileAnErrorBoxIsUpLeavesNothingOpen) {
  // Handlers that fail once: the error box comes up while the list opens
  // (OnDropDown) and while the list is open under a drag that started on
  // the picker (OnMouseMove); the user goes on pressing keys and clicking
  // while the real, modal box is up.
  struct Failing : base::TComponent {
    Failing() : TComponent(nullptr) {}
    void DropDown(base::TComponent*) { Fail(); }
    void Moved(base::TComponent*, ui::TShiftState, int, int) { Fail(); }
    void Fail() {
      if (armed) {
        armed = false;
        throw base::Exception("Broken");
      }
    }
    bool armed = true;
  } failing;
  int boxes = 0;
  box_.while_shown = [&] {
    ++boxes;
    ModalBox box;
    box.input = [&] {
      Click(ClientCentre(Picker()));
      PressKey(VK_DOWN, testing_support::kAlt);
      TypeText(W(u8"ив"));
      Click(RowPoint(2));
    };
    box.Show(application_->Handle());
  };
  const auto expect_usable = [&] {
    ParkMouse();
    Settle(30);
    ExpectConsistent();
    EXPECT_TRUE(IsWindowEnabled(Handle()));
    EXPECT_EQ(GetForegroundWindow(), Handle());
    EXPECT_EQ(GetFocus(), Picker());
    PressKey(VK_DOWN, testing_support::kAlt);
    EXPECT_TRUE(SettleUntilOpen());
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(SettleUntilClosed());
    ExpectConsistent();
  };
  FocusPicker();

  const resources::MethodInfo drop_down = resources::PublishedMethod<&Failing::DropDown>("DropDown");
  Core().on_drop_down.Bind(failing, drop_down);
  PressKey(VK_DOWN, testing_support::kAlt);
  ASSERT_TRUE(SettleUntil([&] { return boxes == 1; }));
  EXPECT_EQ(box_.shown.size(), 1u);
  expect_usable();
  Core().on_drop_down.Clear();

  // The pointer on the picker first, so that only the move of the drag fails.
  MovePointerTo(ClientCentre(Picker()));
  Settle(30);
  failing.armed = true;
  const resources::MethodInfo moved = resources::PublishedMethod<&Failing::Moved>("Moved");
  Core().on_mouse_move.Bind(failing, moved);
  PressButton(testing_support::Button::kLeft);
  ASSERT_TRUE(SettleUntilOpen());
  MoveMouse(ScreenPoint(Picker(), POINT{12, 6}));
  ASSERT_TRUE(SettleUntil([&] { return boxes == 2; }));
  ReleaseButton(testing_support::Button::kLeft);
  Settle(30);
  Core().on_mouse_move.Clear();
  EXPECT_EQ(box_.shown.size(), 2u);
  EXPECT_FALSE(ListOpen());  // the error's cancel-mode notice closed it
  expect_usable();
}

TEST_F(NamePickerTest, ClosingTheProgramWithTheListOpenIsClean) {
  FocusPicker();
  PressKey(VK_DOWN, testing_support::kAlt);
  ASSERT_TRUE(SettleUntilOpen());
  MovePointerTo(RowPoint(1));
  PressButton(testing_support::Button::kLeft);
  ASSERT_TRUE(SettleUntil([&] { return Core().List().Tracking(); }));
  const HWND list = List();
  application_.reset();
  EXPECT_FALSE(IsWindow(list));
  EXPECT_EQ(GetCapture(), nullptr);
  ReleaseButton(testing_support::Button::kLeft);
}

}  // namespace
