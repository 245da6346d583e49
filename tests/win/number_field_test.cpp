// The number field on the real main window, driven by real keystrokes and
// clicks: typing into the template, the refused characters' beep, Backspace
// and Delete, the whole text selected on entry and on a click, the check when
// the focus leaves, Esc, the clipboard's paste, and the number search with
// its answer in the result memo and its conversion errors.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/win/program_windows.h"
#include "tests/win/real_input.h"
#include "ui/framework/wide_text.h"

namespace {

using testing_support::Click;
using testing_support::ClientCentre;
using testing_support::PressKey;
using testing_support::ScreenPoint;
using testing_support::TextOf;
using testing_support::TypeText;
using testing_support::W;

constexpr wchar_t kEmpty[] = L"_-__-__";
constexpr char kCheckFailed[] = "Phonebook|Invalid input value.  Use escape key to abandon changes.";

struct Selection {
  DWORD start = 0, end = 0;
  bool operator==(const Selection&) const = default;
};

void PrintTo(const Selection& s, std::ostream* out) {
  *out << "[" << s.start << ", " << s.end << ")";
}

Selection SelectionOf(HWND edit) {
  Selection s;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&s.start), reinterpret_cast<LPARAM>(&s.end));
  return s;
}

// Puts `text` on the clipboard as Unicode text.
void PutOnClipboard(HWND owner, const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  auto* chars = static_cast<wchar_t*>(GlobalLock(block));
  text.copy(chars, text.size());
  chars[text.size()] = L'\0';
  GlobalUnlock(block);
  SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();
}

// The clipboard's Unicode text ("" when it holds none).
std::wstring ClipboardText(HWND owner) {
  std::wstring text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

// A template of the field's mask: seven characters, the dashes at 1 and 4,
// a digit or the blank everywhere else.
::testing::AssertionResult WellFormed(const std::wstring& text) {
  if (text.size() != 7) return ::testing::AssertionFailure() << "length " << text.size();
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool dash_place = i == 1 || i == 4;
    const bool ok = dash_place ? text[i] == L'-' : (text[i] == L'_' || (text[i] >= L'0' && text[i] <= L'9'));
    if (!ok) return ::testing::AssertionFailure() << "place " << i << " holds " << static_cast<int>(text[i]);
  }
  return ::testing::AssertionSuccess();
}

class NumberFieldTest : public testing_support::ProgramWindowsTest {
 protected:
  HWND Field() const { return Of("MaskEdit1"); }
  HWND Memo() const { return Of("meResult"); }

  // Shows the window and tabs from the result memo into the field.
  void TabIntoField() {
    ShowAndSettle();
    ASSERT_EQ(GetFocus(), Memo());
    PressKey(VK_TAB);
    PressKey(VK_TAB);
    ASSERT_TRUE(SettleUntil([&] { return GetFocus() == Field(); }));
  }
  void Type(const std::wstring& text) {
    TypeText(text);
    Settle();
  }
  void Press(WORD key, unsigned modifiers = testing_support::kNoModifier) {
    PressKey(key, modifiers);
    Settle();
  }
  std::size_t Beeps() const { return services_.beeper.beeps.size(); }
  // The memo's lines as the answer writes them.
  static std::wstring Answer(const std::string& name, int number) {
    return W(u8" *** Результат. ***") + L"\r\n" + W(u8"Фамилия - ") + ui::Wide(name) + L"\r\n" +
           W(u8"Телефон - ") + std::to_wstring(number);
  }
  bool MemoLeftJustified() const {
    return (GetWindowLongPtrW(Memo(), GWL_STYLE) & (ES_CENTER | ES_RIGHT)) == 0;
  }
};

TEST_F(NumberFieldTest, TypedDigitsFillThePlacesAndRefusedCharactersBeep) {
  TabIntoField();
  Type(L"12345");
  EXPECT_EQ(TextOf(Field()), L"1-23-45");
  EXPECT_EQ(SelectionOf(Field()), (Selection{7, 7}));  // caret at the end, nothing selected
  EXPECT_EQ(Beeps(), 0u);
  EXPECT_EQ(SendMessageW(Field(), EM_GETMODIFY, 0, 0), TRUE);
  // A sixth digit has no place.
  Type(L"6");
  EXPECT_EQ(TextOf(Field()), L"1-23-45");
  ASSERT_EQ(Beeps(), 1u);
  EXPECT_EQ(services_.beeper.beeps[0], 0u);  // the default beep

  Press(VK_HOME);
  EXPECT_EQ(SelectionOf(Field()), (Selection{0, 1}));
  // "-" at place 0 jumps over the dash without a beep; a letter beeps.
  Type(L"-");
  EXPECT_EQ(SelectionOf(Field()), (Selection{2, 3}));
  EXPECT_EQ(Beeps(), 1u);
  Type(W(u8"aЖ "));
  EXPECT_EQ(TextOf(Field()), L"1-23-45");
  EXPECT_EQ(Beeps(), 4u);
  // "-" at place 5 has no dash after it.
  Press(VK_END);
  Press(VK_LEFT);
  Press(VK_LEFT);
  EXPECT_EQ(SelectionOf(Field()), (Selection{5, 6}));
  Type(L"-");
  EXPECT_EQ(Beeps(), 5u);
  // Up and Down do nothing.
  Press(VK_UP);
  Press(VK_DOWN);
  EXPECT_EQ(SelectionOf(Field()), (Selection{5, 6}));
  EXPECT_EQ(TextOf(Field()), L"1-23-45");
  EXPECT_TRUE(box_.shown.empty());
}

TEST_F(NumberFieldTest, BackspaceAndDeleteBlankPlacesWithoutShifting) {
  TabIntoField();
  Type(L"12");
  EXPECT_EQ(SelectionOf(Field()), (Selection{3, 4}));
  Press(VK_BACK);  // at place 3: place 2 blanked and selected
  EXPECT_EQ(TextOf(Field()), L"1-__-__");
  EXPECT_EQ(SelectionOf(Field()), (Selection{2, 3}));
  Press(VK_BACK);  // at place 2: over the dash to place 0
  EXPECT_EQ(TextOf(Field()), kEmpty);
  EXPECT_EQ(SelectionOf(Field()), (Selection{0, 1}));

  Type(L"12345");
  Press(VK_HOME);
  Press(VK_RIGHT);
  EXPECT_EQ(SelectionOf(Field()), (Selection{2, 3}));
  Press(VK_DELETE);
  EXPECT_EQ(TextOf(Field()), L"1-_3-45");
  EXPECT_EQ(SelectionOf(Field()), (Selection{2, 3}));
  EXPECT_EQ(form_->MaskEdit1->Text(), "1 345");
  // A longer selection: Shift+End, then Delete blanks it all.
  Press(VK_END, testing_support::kShift);
  EXPECT_EQ(SelectionOf(Field()), (Selection{2, 7}));
  Press(VK_DELETE);
  EXPECT_EQ(TextOf(Field()), L"1-__-__");
  EXPECT_EQ(SelectionOf(Field()), (Selection{2, 3}));
  EXPECT_EQ(Beeps(), 0u);
}

TEST_F(NumberFieldTest, EnteringByTabOrClickSelectsTheWholeText) {
  TabIntoField();
  EXPECT_EQ(SelectionOf(Field()), (Selection{0, 7}));
  Type(L"12");
  // A click in the focused field selects all again; the next digit empties
  // every place and fills place 0.
  Click(ScreenPoint(Field(), POINT{4, 9}));
  ASSERT_TRUE(SettleUntil([&] { return SelectionOf(Field()) == Selection{0, 7}; }));
  Type(L"9");
  EXPECT_EQ(TextOf(Field()), L"9-__-__");
  // Into the field by a click from another control (9-__-__ is incomplete:
  // Esc first lets the focus go).
  PressKey(VK_TAB);
  ASSERT_TRUE(SettleUntil([&] { return !box_.shown.empty(); }));
  EXPECT_EQ(box_.shown[0], kCheckFailed);
  Press(VK_ESCAPE);
  PressKey(VK_TAB);
  ASSERT_TRUE(SettleUntil([&] { return GetFocus() == Memo(); }));
  Click(ClientCentre(Field()));
  ASSERT_TRUE(SettleUntil([&] { return GetFocus() == Field(); }));
  Settle();
  EXPECT_EQ(SelectionOf(Field()), (Selection{0, 7}));
  EXPECT_EQ(box_.shown.size(), 1u);
}

TEST_F(NumberFieldTest, LeavingAnIncompleteNumberIsRefusedUntilEsc) {
  TabIntoField();
  Type(L"12");
  ASSERT_EQ(TextOf(Field()), L"1-2_-__");
  PressKey(VK_TAB);
  ASSERT_TRUE(SettleUntil([&] { return !box_.shown.empty(); }));
  Settle();
  EXPECT_EQ(box_.shown, std::vector<std::string>{kCheckFailed});
  EXPECT_EQ(Beeps(), 1u);
  EXPECT_EQ(GetFocus(), Field());
  EXPECT_EQ(SelectionOf(Field()), (Selection{3, 4}));  // the first empty required place
  // The field claims Esc while modified.
  MSG esc{Field(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {0, 0}};
  EXPECT_TRUE(SendMessageW(Field(), WM_GETDLGCODE, VK_ESCAPE, reinterpret_cast<LPARAM>(&esc)) &
              DLGC_WANTMESSAGE);
  // Back where the field was when it got the focus; leaving is allowed.
  Press(VK_ESCAPE);
  EXPECT_EQ(TextOf(Field()), kEmpty);
  EXPECT_EQ(SendMessageW(Field(), EM_GETMODIFY, 0, 0), FALSE);
  EXPECT_FALSE(SendMessageW(Field(), WM_GETDLGCODE, VK_ESCAPE, reinterpret_cast<LPARAM>(&esc)) &
               DLGC_WANTMESSAGE);
  Press(VK_ESCAPE);  // not modified: nothing
  EXPECT_EQ(TextOf(Field()), kEmpty);
  PressKey(VK_TAB);
  ASSERT_TRUE(SettleUntil([&] { return GetFocus() == Memo(); }));
  EXPECT_EQ(box_.shown.size(), 1u);
}

TEST_F(NumberFieldTest, AClickOnAnotherControlIsRefusedAsTabIs) {
  TabIntoField();
  Type(L"1234");
  Click(ClientCentre(Memo()));
  ASSERT_TRUE(SettleUntil([&] { return !box_.shown.empty(); }));
  Settle();
  EXPECT_EQ(box_.shown, std::vector<std::string>{kCheckFailed});
  EXPECT_EQ(GetFocus(), Field());
  EXPECT_EQ(SelectionOf(Field()), (Selection{6, 7}));
  EXPECT_EQ(TextOf(Field()), L"1-23-4_");
  // Completed, the field lets the focus go.
  Type(L"5");
  // Elsewhere in the memo: a second press at the same place would be a
  // double click, which does not take the focus.
  Click(ScreenPoint(Memo(), POINT{8, 8}));
  ASSERT_TRUE(SettleUntil([&] { return GetFocus() == Memo(); }));
  EXPECT_EQ(box_.shown.size(), 1u);
}

TEST_F(NumberFieldTest, ANumberTypedAndEmptiedAgainIsStillReportedOnLeaving) {
  TabIntoField();
  Type(L"1");
  Press(VK_BACK);
  ASSERT_EQ(TextOf(Field()), kEmpty);
  PressKey(VK_TAB);
  ASSERT_TRUE(SettleUntil([&] { return !box_.shown.empty(); }));
  Settle();
  EXPECT_EQ(box_.shown, std::vector<std::string>{kCheckFailed});
  EXPECT_EQ(GetFocus(), Field());
  EXPECT_EQ(SelectionOf(Field()), (Selection{0, 1}));
}

TEST_F(NumberFieldTest, ANumberThatExistsIsAnsweredInTheMemoAndTheFieldCleared) {
  form_->daTel->GoFirst();
  form_->daTel->Step(1234);
  const int number = form_->daTelTEL->AsInteger();
  const std::string name = form_->daTelloFIO->AsString();
  ASSERT_GE(number, 10000);
  ASSERT_LE(number, 99999);
  form_->daTel->GoFirst();
  TabIntoField();
  Type(std::to_wstring(number));
  Press(VK_RETURN);
  EXPECT_EQ(TextOf(Memo()), Answer(name, number));
  EXPECT_TRUE(MemoLeftJustified());
  EXPECT_EQ(TextOf(Field()), kEmpty);
  EXPECT_EQ(SelectionOf(Field()), (Selection{0, 1}));
  EXPECT_EQ(SendMessageW(Field(), EM_GETMODIFY, 0, 0), FALSE);
  EXPECT_EQ(GetFocus(), Field());
  EXPECT_TRUE(box_.shown.empty());
  // Also with the result window hidden; the field may be left afterwards.
  form_->TBVisibilityToggleItem1->Click();
  ASSERT_FALSE(IsWindowVisible(Memo()));
  Type(L"0");
  Press(VK_RETURN);  // 0 is no number of the directory
  EXPECT_EQ(TextOf(Memo()), Answer(name, number));
  PressKey(VK_TAB);
  ASSERT_TRUE(SettleUntil([&] { return GetFocus() == Of("RxDBLookupCombo1"); }));
  EXPECT_TRUE(box_.shown.empty());
}

TEST_F(NumberFieldTest, NumbersWithEmptyPlacesAreSearchedAsTheirDigits) {
  const std::wstring untouched = TextOf(Memo());
  TabIntoField();
  for (const std::wstring& keys : {std::wstring(L"123"), std::wstring(L"-2345"), std::wstring(L"99999")}) {
    SCOPED_TRACE(keys);
    const int number = keys == L"123" ? 123 : keys == L"-2345" ? 2345 : 99999;
    const bool found = form_->daTel->SeekKey({std::int64_t{number}});
    const std::string name = found ? form_->daTelloFIO->AsString() : std::string();
    Type(keys);
    Press(VK_RETURN);
    EXPECT_EQ(TextOf(Memo()), found ? Answer(name, number) : untouched);
    EXPECT_EQ(TextOf(Field()), kEmpty);
  }
  EXPECT_TRUE(box_.shown.empty());
  EXPECT_EQ(Beeps(), 0u);
}

TEST_F(NumberFieldTest, OnADashTheCursorTakesNoCharacter) {
  TabIntoField();
  // A paste of three digits leaves the cursor on the second dash.
  PutOnClipboard(Handle(), L"123");
  Press('V', testing_support::kCtrl);
  ASSERT_EQ(TextOf(Field()), L"1-23-__");
  ASSERT_EQ(SelectionOf(Field()), (Selection{4, 5}));
  Type(L"4");
  EXPECT_EQ(Beeps(), 1u);
  Type(L"-");
  EXPECT_EQ(Beeps(), 2u);
  EXPECT_EQ(TextOf(Field()), L"1-23-__");
  EXPECT_EQ(SelectionOf(Field()), (Selection{4, 5}));
  // Shift+Left, then Left, from place 2 puts it on the first dash.
  Press(VK_HOME);
  Press(VK_RIGHT);
  Press(VK_LEFT, testing_support::kShift);
  Press(VK_LEFT);
  ASSERT_EQ(SelectionOf(Field()), (Selection{1, 2}));
  Type(L"9");
  EXPECT_EQ(Beeps(), 3u);
  EXPECT_EQ(TextOf(Field()), L"1-23-__");
  // Right moves on to a place that takes digits again.
  Press(VK_RIGHT);
  Type(L"9");
  EXPECT_EQ(TextOf(Field()), L"1-93-__");
  EXPECT_EQ(Beeps(), 3u);
}

TEST_F(NumberFieldTest, TextsThatAreNoIntegerShowTheConversionErrorAndStay) {
  const std::wstring untouched = TextOf(Memo());
  TabIntoField();
  Press(VK_RETURN);
  ASSERT_EQ(box_.shown.size(), 1u);
  EXPECT_EQ(box_.shown[0], "Phonebook|'' is not a valid integer value.");
  EXPECT_EQ(TextOf(Field()), kEmpty);

  Type(L"12345");
  Press(VK_HOME);
  Press(VK_RIGHT);
  Press(VK_DELETE);
  ASSERT_EQ(TextOf(Field()), L"1-_3-45");
  Press(VK_RETURN);
  ASSERT_EQ(box_.shown.size(), 2u);
  EXPECT_EQ(box_.shown[1], "Phonebook|'1 345' is not a valid integer value.");
  EXPECT_EQ(TextOf(Field()), L"1-_3-45");
  EXPECT_EQ(GetFocus(), Field());
  EXPECT_EQ(TextOf(Memo()), untouched);
}

TEST_F(NumberFieldTest, PastedTextOfAnyKindLeavesAWellFormedTemplate) {
  TabIntoField();
  PutOnClipboard(Handle(), L"12345");
  Press('V', testing_support::kCtrl);
  EXPECT_EQ(TextOf(Field()), L"1-23-45");
  EXPECT_EQ(SendMessageW(Field(), EM_GETMODIFY, 0, 0), FALSE);  // a paste replaces the text
  PutOnClipboard(Handle(), L"1-23-45");
  Press(VK_HOME);
  Press(VK_INSERT, testing_support::kShift);
  EXPECT_EQ(TextOf(Field()), L"1-23-45");

  std::wstring controls;
  for (wchar_t c = 1; c < 32; ++c) controls += c;
  const std::wstring long_digits(10000, L'7');
  std::wstring mixed;
  for (int i = 0; i < 10000; ++i)
    mixed += static_cast<wchar_t>(i % 3 == 0 ? 0x0416 : i % 3 == 1 ? 0xD83D : 0x7F);
  for (const std::wstring& pasted : {controls, W(u8"Жук 1-2"), long_digits, mixed,
                                     std::wstring(L"\x4E2D\xFFFF\x00AD"
                                                  L"5")}) {
    Press(VK_HOME);
    PutOnClipboard(Handle(), pasted);
    SendMessageW(Field(), WM_PASTE, 0, 0);
    Settle(10);
    EXPECT_TRUE(WellFormed(TextOf(Field())));
    EXPECT_TRUE(WellFormed(ui::Wide(form_->MaskEdit1->EditText())));
  }
  // Over the whole text: a refused character leaves its place blank, the
  // next goes past the dash.
  Click(ClientCentre(Field()));
  ASSERT_TRUE(SettleUntil([&] { return SelectionOf(Field()) == Selection{0, 7}; }));
  PutOnClipboard(Handle(),
                 L"\x4E2D"
                 L"5");
  Press('V', testing_support::kCtrl);
  EXPECT_EQ(TextOf(Field()), L"_-5_-__");
  EXPECT_EQ(SelectionOf(Field()), (Selection{3, 4}));
}

TEST_F(NumberFieldTest, CutGoesThroughTheFieldAndTheEditControlsUndoIsOff) {
  TabIntoField();
  Type(L"12345");
  // Shift+Right from the cursor, whose caret is before its place, selects
  // nothing. The Shift key's own key-down then puts the cursor at the caret
  // (on the dash), so Shift+Delete cuts only the dash, which stays.
  PutOnClipboard(Handle(), L"kept");
  Press(VK_HOME);
  Press(VK_RIGHT, testing_support::kShift);
  ASSERT_EQ(SelectionOf(Field()), (Selection{1, 1}));
  Press(VK_DELETE, testing_support::kShift);
  EXPECT_EQ(ClipboardText(Handle()), L"-");
  EXPECT_EQ(TextOf(Field()), L"1-23-45");
  ASSERT_EQ(SelectionOf(Field()), (Selection{1, 2}));
  // Shift held: the first Right meets the anchor, the next two select "23".
  testing_support::KeyDown(VK_SHIFT);
  Press(VK_RIGHT);
  EXPECT_EQ(SelectionOf(Field()), (Selection{2, 2}));
  Press(VK_RIGHT);
  Press(VK_RIGHT);
  EXPECT_EQ(SelectionOf(Field()), (Selection{2, 4}));
  Press(VK_DELETE);
  testing_support::KeyUp(VK_SHIFT);
  Settle();
  EXPECT_EQ(ClipboardText(Handle()), L"23");
  EXPECT_EQ(TextOf(Field()), L"1-__-45");
  EXPECT_EQ(SelectionOf(Field()), (Selection{2, 3}));
  // The simulated stroke leaves no key pressed behind it.
  EXPECT_GE(GetKeyState(VK_SHIFT), 0);
  EXPECT_GE(GetKeyState(VK_LEFT), 0);
  // Undo (Ctrl+Z, or the edit control's own message) brings back nothing.
  Press('Z', testing_support::kCtrl);
  SendMessageW(Field(), WM_UNDO, 0, 0);
  EXPECT_EQ(TextOf(Field()), L"1-__-45");
  // Copy leaves the text as it is.
  Press(VK_HOME);
  Press(VK_END, testing_support::kShift);
  Press('C', testing_support::kCtrl);
  EXPECT_EQ(ClipboardText(Handle()), L"1-__-45");
  EXPECT_EQ(TextOf(Field()), L"1-__-45");
  Type(L"7");
  EXPECT_EQ(TextOf(Field()), L"7-__-__");
}

TEST_F(NumberFieldTest, ClearBlanksTheSelectedPlacesWithoutTheClipboardAndUndoIsRefused) {
  TabIntoField();
  Type(L"12345");
  PutOnClipboard(Handle(), L"9");
  SendMessageW(Field(), EM_SETSEL, 2, 4);
  SendMessageW(Field(), WM_CLEAR, 0, 0);
  EXPECT_EQ(TextOf(Field()), L"1-__-45");
  EXPECT_EQ(ClipboardText(Handle()), L"9");
  // Each way of asking the edit control to undo answers that nothing was.
  EXPECT_EQ(SendMessageW(Field(), WM_UNDO, 0, 0), FALSE);
  EXPECT_EQ(SendMessageW(Field(), EM_UNDO, 0, 0), FALSE);
  EXPECT_EQ(SendMessageW(Field(), EM_CANUNDO, 0, 0), FALSE);
  EXPECT_EQ(TextOf(Field()), L"1-__-45");
}

}  // namespace
