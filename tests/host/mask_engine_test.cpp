// The edit-mask engine driven directly: the grammar, formatting and reading
// the value, the check, and the user's characters, keys and pastes on an
// edit state. Selections are written into the text: "1-[2]3-45" is the
// one-place cursor on place 2, "[1-2]3-45" a longer selection, "1-23-45|"
// the caret at the end with nothing selected.
#include "search/mask_engine.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using search::MaskEditState;
using search::MaskEffect;
using search::MaskEngine;
using search::MaskKey;
using search::MaskRequest;
using search::MaskShift;

constexpr char kNumberMask[] = "0-00-00;0;_";

std::string Shown(const MaskEditState& s) {
  std::string out = s.text;
  if (s.sel_start == s.sel_end) return out.insert(static_cast<size_t>(s.sel_start), "|");
  out.insert(static_cast<size_t>(s.sel_end), "]");
  return out.insert(static_cast<size_t>(s.sel_start), "[");
}

// A state of `engine` with `text` and the one-place cursor at `place`.
MaskEditState At(const MaskEngine& engine, std::string text, int place) {
  MaskEditState state;
  state.text = std::move(text);
  engine.PlaceCursor(state, place);
  return state;
}

MaskEditState Selected(std::string text, int start, int end, int caret) {
  MaskEditState state;
  state.text = std::move(text);
  state.sel_start = start;
  state.sel_end = end;
  state.caret = caret;
  return state;
}

// Types every character of `keys`; returns how many beeped.
int Type(const MaskEngine& engine, MaskEditState& state, std::string_view keys) {
  int beeps = 0;
  for (char c : keys) beeps += engine.TypeChar(state, c).beep ? 1 : 0;
  return beeps;
}

MaskEffect Press(const MaskEngine& engine, MaskEditState& state, MaskKey key, MaskShift shift = {}) {
  return engine.KeyDown(state, key, shift);
}

constexpr MaskShift kShift{.shift = true};
constexpr MaskShift kCtrl{.ctrl = true};
constexpr MaskShift kAlt{.alt = true};

// --- The grammar ---

TEST(MaskGrammarTest, NumberMaskHasSevenPlacesTwoLiteralsAndItsFields) {
  const MaskEngine m(kNumberMask);
  EXPECT_TRUE(m.Masked());
  EXPECT_EQ(m.PlaceCount(), 7);
  EXPECT_FALSE(m.SavesLiterals());
  EXPECT_EQ(m.Blank(), '_');
  EXPECT_EQ(m.BlankText(), "_-__-__");
  for (int p : {0, 2, 3, 5, 6}) EXPECT_TRUE(m.IsRequired(p)) << p;
  EXPECT_TRUE(m.IsLiteral(1));
  EXPECT_TRUE(m.IsLiteral(4));
  EXPECT_EQ(m.LiteralAt(4), '-');
}

TEST(MaskGrammarTest, FieldsOpenOnlyWithinTheLastFourCharacters) {
  // Without fields: literals saved, "_" for blanks.
  EXPECT_TRUE(MaskEngine("000").SavesLiterals());
  EXPECT_EQ(MaskEngine("000").Blank(), '_');
  EXPECT_FALSE(MaskEngine("000;0").SavesLiterals());
  EXPECT_TRUE(MaskEngine("000;1").SavesLiterals());
  EXPECT_TRUE(MaskEngine("000;x").SavesLiterals());  // anything but "0" saves
  EXPECT_EQ(MaskEngine("000;1;*").Blank(), '*');
  EXPECT_EQ(MaskEngine("000;;*").Blank(), '*');  // an empty save field
  EXPECT_TRUE(MaskEngine("000;;*").SavesLiterals());
  EXPECT_EQ(MaskEngine("000;0;").Blank(), '_');  // a blank field without a value
  // An early ";" is a literal shown as it stands.
  const MaskEngine early("0;00000");
  EXPECT_EQ(early.BlankText(), "_;_____");
  EXPECT_TRUE(early.SavesLiterals());
  // So is an escaped one near the end.
  const MaskEngine escaped("00\\;0");
  EXPECT_EQ(escaped.BlankText(), "__;_");
  EXPECT_TRUE(escaped.SavesLiterals());
  // A mask of fields alone: masked, nothing to show.
  const MaskEngine fields(";0;_");
  EXPECT_TRUE(fields.Masked());
  EXPECT_EQ(fields.PlaceCount(), 0);
}

TEST(MaskGrammarTest, DirectivesTakeNoPlaceAndEscapesMakeLiterals) {
  EXPECT_EQ(MaskEngine(">L<ll").BlankText(), "___");
  EXPECT_EQ(MaskEngine("!99").PlaceCount(), 2);
  EXPECT_TRUE(MaskEngine("!99").Reversed());
  EXPECT_TRUE(MaskEngine("99!").Reversed());  // anywhere in the mask
  const MaskEngine escaped("\\0\\L0");
  EXPECT_EQ(escaped.BlankText(), "0L_");
  EXPECT_TRUE(escaped.IsLiteral(0));
  EXPECT_FALSE(escaped.IsLiteral(2));
  EXPECT_EQ(MaskEngine("\\\\0").BlankText(), "\\_");  // an escaped backslash
  EXPECT_EQ(MaskEngine("\\!0").BlankText(), "!_");
  EXPECT_FALSE(MaskEngine("\\!0").Reversed());
  EXPECT_EQ(MaskEngine("_#").BlankText(), "__");  // "_" is a literal
  EXPECT_TRUE(MaskEngine("_#").IsLiteral(0));
}

TEST(MaskGrammarTest, OddMasksGiveWellFormedTemplates) {
  for (const char* mask : {"", ">", "<>", "!", "\\", "<>\\", ";", ";;", ";;;", "0;", ";0", "\\;", "\\\\"}) {
    const MaskEngine m(mask);
    EXPECT_EQ(static_cast<int>(m.BlankText().size()), m.PlaceCount()) << mask;
    MaskEditState state = At(m, m.BlankText(), 0);
    Type(m, state, "1a-");
    Press(m, state, MaskKey::kBackspace);
    m.Paste(state, "xyz");
    EXPECT_EQ(state.text.size(), m.BlankText().size()) << mask;
  }
  EXPECT_FALSE(MaskEngine("").Masked());
  EXPECT_TRUE(MaskEngine(">").Masked());
  EXPECT_EQ(MaskEngine("<>\\").PlaceCount(), 0);
}

TEST(MaskGrammarTest, SlashAndColonShowTheLocaleSeparators) {
  const MaskEngine us("!99/99/0000;1;_");
  EXPECT_EQ(us.BlankText(), "__/__/____");
  const MaskEngine ru("!99/99/0000;1;_", {.date = '.', .time = ':'});
  EXPECT_EQ(ru.BlankText(), "__.__.____");
  EXPECT_EQ(MaskEngine("90:00", {.date = '/', .time = '.'}).BlankText(), "__.__");
}

TEST(MaskGrammarTest, PlacesAcceptTheirCharacters) {
  const MaskEngine m("09#LlAaCc");
  const auto accepts = [&](int place, std::string_view chars) {
    std::string out;
    for (char c : chars) out += m.Accepts(place, c) ? '1' : '0';
    return out;
  };
  const std::string probe = "5 +-aZ\xE9\xC9\xA8!_";  // 5, blank, +, -, a, Z, й, Й, Ё, !, _
  EXPECT_EQ(accepts(0, probe), "10000000000");
  EXPECT_EQ(accepts(1, probe), "10000000000");
  EXPECT_EQ(accepts(2, probe), "11110000000");
  EXPECT_EQ(accepts(3, probe), "00001111100");
  EXPECT_EQ(accepts(4, probe), "00001111100");
  EXPECT_EQ(accepts(5, probe), "10001111100");
  EXPECT_EQ(accepts(6, probe), "10001111100");
  EXPECT_EQ(accepts(7, probe), "11111111111");
  EXPECT_EQ(accepts(8, probe), "11111111111");
  // No place takes a control character.
  for (int p = 0; p < m.PlaceCount(); ++p) {
    EXPECT_FALSE(m.Accepts(p, '\t'));
    EXPECT_FALSE(m.Accepts(p, '\x7F'));
  }
}

// --- Formatting, reading and checking ---

TEST(MaskTextTest, NumberMaskExamples) {
  const MaskEngine m(kNumberMask);
  EXPECT_EQ(m.Format(""), "_-__-__");
  EXPECT_EQ(m.Format("12345"), "1-23-45");
  EXPECT_EQ(m.Format("123"), "1-23-__");
  EXPECT_EQ(m.Format("1234567"), "1-23-45");  // beyond the template: dropped
  EXPECT_EQ(m.TextOf("1-23-45"), "12345");
  EXPECT_EQ(m.TextOf("1-23-__"), "123");
  EXPECT_EQ(m.TextOf("1-__-45"), "1  45");
  EXPECT_EQ(m.TextOf("_-23-45"), " 2345");
  EXPECT_EQ(m.TextOf("1-_3-45"), "1 345");
  EXPECT_EQ(m.TextOf("_-__-__"), "");
  EXPECT_EQ(m.TextOf("1-2"), "12");  // a short text reads as blank-filled
}

TEST(MaskTextTest, SavedLiteralsComeBackInAndFormatBackToThemselves) {
  const MaskEngine m("(999) 000;1;_");
  EXPECT_EQ(m.TextOf("(12_) 345"), "(12 ) 345");
  EXPECT_EQ(m.TextOf("(123) 4__"), "(123) 4  ");
  EXPECT_EQ(m.TextOf("(___) ___"), "(   )    ");
  EXPECT_EQ(m.ValueOf("(123) 4__"), "1234");
  // A saved value formats back to the same template; a bare one gets its literals.
  EXPECT_EQ(m.Format("(123) 456"), "(123) 456");
  EXPECT_EQ(m.Format("123456"), "(123) 456");
  EXPECT_EQ(m.Format(m.TextOf("(12_) 345")), "(12 ) 345");
}

TEST(MaskTextTest, ReversedMaskFillsFromTheRightAndTrimsTheStart) {
  const MaskEngine m("!999-99;0;_");
  EXPECT_EQ(m.Format("12"), "___-12");
  EXPECT_EQ(m.Format("1234"), "_12-34");
  EXPECT_EQ(m.Format("1234567"), "345-67");  // the last characters are kept
  EXPECT_EQ(m.TextOf("___-12"), "12");
  EXPECT_EQ(m.TextOf("1__-12"), "1  12");
  EXPECT_EQ(m.TextOf("12_-__"), "12   ");  // only leading blanks go
  const MaskEngine saved("!99/99;1; ");
  EXPECT_EQ(saved.Format("5"), "  / 5");
  EXPECT_EQ(saved.TextOf("  / 5"), "  / 5");
  EXPECT_EQ(saved.Format(saved.TextOf(" 1/25")), " 1/25");
}

TEST(MaskTextTest, BlankCharacterThatIsABlankStaysABlank) {
  const MaskEngine m("00-00;0; ");
  EXPECT_EQ(m.BlankText(), "  -  ");
  EXPECT_EQ(m.TextOf("1 -2 "), "1 2");
  EXPECT_EQ(m.FirstFailingPlace("1 -2 "), 1);
}

TEST(MaskTextTest, CheckFindsTheFirstEmptyRequiredPlace) {
  const MaskEngine m(kNumberMask);
  EXPECT_EQ(m.FirstFailingPlace("1-23-45"), std::nullopt);
  EXPECT_EQ(m.FirstFailingPlace("1-2_-__"), 3);
  EXPECT_EQ(m.FirstFailingPlace("_-23-45"), 0);
  EXPECT_EQ(m.FirstFailingPlace("1-2 -45"), 3);  // a blank is empty too
  EXPECT_EQ(m.FirstFailingPlace("1-2"), 3);      // short: the rest is empty
  // Optional places and literals always pass; a blank fills a "C" place.
  EXPECT_EQ(MaskEngine("099").FirstFailingPlace("1__"), std::nullopt);
  EXPECT_EQ(MaskEngine("C0").FirstFailingPlace(" 1"), std::nullopt);
  EXPECT_EQ(MaskEngine("C0").FirstFailingPlace("_1"), 0);
  EXPECT_EQ(MaskEngine("--").FirstFailingPlace("--"), std::nullopt);
}

TEST(MaskTextTest, SetTextReplacesOnlyWhenTheTemplateDiffers) {
  const MaskEngine m(kNumberMask);
  MaskEditState state = At(m, "1-23-45", 6);
  state.modified = true;
  MaskEffect e = m.SetText(state, "");
  EXPECT_TRUE(e.text_changed);
  EXPECT_EQ(Shown(state), "[_]-__-__");
  EXPECT_FALSE(state.modified);
  // The same template again: nothing replaced, the mark stays.
  state = At(m, "_-__-__", 3);
  state.modified = true;
  e = m.SetText(state, "");
  EXPECT_FALSE(e.text_changed);
  EXPECT_TRUE(state.modified);
  EXPECT_EQ(Shown(state), "_-_[_]-__");
  // Never checked: a letter stands where the mask would refuse it.
  m.SetText(state, "a");
  EXPECT_EQ(state.text, "a-__-__");
}

// --- Typing ---

TEST(MaskTypingTest, FiveDigitsFillTheNumberAndLeaveTheCaretAtTheEnd) {
  const MaskEngine m(kNumberMask);
  MaskEditState state = At(m, m.BlankText(), 0);
  EXPECT_EQ(Type(m, state, "12345"), 0);
  EXPECT_EQ(Shown(state), "1-23-45|");
  EXPECT_TRUE(state.modified);
  EXPECT_EQ(m.TextOf(state.text), "12345");
  // A sixth digit at the end position is refused with a beep.
  const MaskEffect e = m.TypeChar(state, '6');
  EXPECT_TRUE(e.beep);
  EXPECT_FALSE(e.text_changed);
  EXPECT_EQ(Shown(state), "1-23-45|");
}

TEST(MaskTypingTest, TheDashJumpsOverTheNextLiteralOnly) {
  const MaskEngine m(kNumberMask);
  MaskEditState state = At(m, m.BlankText(), 0);
  MaskEffect e = m.TypeChar(state, '-');
  EXPECT_FALSE(e.beep);
  EXPECT_FALSE(e.text_changed);
  EXPECT_FALSE(state.modified);
  EXPECT_EQ(Shown(state), "_-[_]_-__");
  state = At(m, m.BlankText(), 3);
  EXPECT_EQ(Type(m, state, "-"), 0);
  EXPECT_EQ(Shown(state), "_-__-[_]_");
  // After the last dash there is no literal to jump to.
  for (int place : {5, 6}) {
    state = At(m, m.BlankText(), place);
    EXPECT_TRUE(m.TypeChar(state, '-').beep) << place;
    EXPECT_EQ(state.sel_start, place);
  }
  // A letter beeps anywhere.
  for (int place : {0, 2, 3, 5, 6}) {
    state = At(m, "1-23-45", place);
    EXPECT_TRUE(m.TypeChar(state, 'x').beep);
    EXPECT_EQ(state.text, "1-23-45");
  }
}

TEST(MaskTypingTest, ALongerSelectionIsBlankedFirstEvenWhenTheCharacterIsRefused) {
  const MaskEngine m(kNumberMask);
  MaskEditState state = Selected("1-23-45", 0, 7, 0);
  EXPECT_EQ(Type(m, state, "9"), 0);
  EXPECT_EQ(Shown(state), "9-[_]_-__");
  state = Selected("1-23-45", 1, 5, 1);  // from the literal: first editable is 2
  EXPECT_EQ(Type(m, state, "7"), 0);
  EXPECT_EQ(Shown(state), "1-7[_]-45");
  state = Selected("1-23-45", 0, 7, 0);
  EXPECT_EQ(Type(m, state, "x"), 1);
  EXPECT_EQ(Shown(state), "[_]-__-__");
  EXPECT_TRUE(state.modified);
}

TEST(MaskTypingTest, CaseDirectivesChangeLettersAtLaterPlaces) {
  const MaskEngine m(">L<ll");
  MaskEditState state = At(m, m.BlankText(), 0);
  EXPECT_EQ(Type(m, state, "aBC"), 0);
  EXPECT_EQ(state.text, "Abc");
  const MaskEngine cyrillic(">LL<>L");  // "<>" ends the change
  state = At(cyrillic, cyrillic.BlankText(), 0);
  Type(cyrillic, state, "\xE0\xB8\xE9");  // а ё й
  EXPECT_EQ(state.text, "\xC0\xA8\xE9");  // А Ё й
  const MaskEngine mixed(">CC");
  state = At(mixed, mixed.BlankText(), 0);
  Type(mixed, state, "1z");
  EXPECT_EQ(state.text, "1Z");
}

TEST(MaskTypingTest, AtALiteralPlaceEveryCharacterIsRefusedWithABeep) {
  const MaskEngine m("(000)");
  for (const char c : {'(', '1', ')', 'x'}) {
    MaskEditState state = At(m, m.BlankText(), 0);  // Home puts the cursor on "("
    const MaskEffect e = m.TypeChar(state, c);
    EXPECT_TRUE(e.beep) << c;
    EXPECT_FALSE(e.text_changed) << c;
    EXPECT_FALSE(state.modified) << c;
    EXPECT_EQ(Shown(state), "[(]___)") << c;
  }
  MaskEditState state = At(m, "(123)", 4);
  EXPECT_TRUE(m.TypeChar(state, '9').beep);
  EXPECT_EQ(Shown(state), "(123[)]");

  // The number field's dashes, where a paste or Shift+Left and Left leave
  // the cursor: neither a digit nor the dash itself is taken there.
  const MaskEngine number(kNumberMask);
  state = At(number, number.BlankText(), 0);
  number.Paste(state, "123");
  ASSERT_EQ(Shown(state), "1-23[-]__");
  EXPECT_EQ(Type(number, state, "4-"), 2);
  EXPECT_EQ(Shown(state), "1-23[-]__");
  state = At(number, "1-23-45", 2);
  Press(number, state, MaskKey::kLeft, kShift);
  Press(number, state, MaskKey::kLeft);
  ASSERT_EQ(Shown(state), "1[-]23-45");
  EXPECT_EQ(Type(number, state, "9"), 1);
  EXPECT_EQ(state.text, "1-23-45");
  EXPECT_FALSE(state.modified);
}

TEST(MaskTypingTest, ControlCharactersAndRequests) {
  const MaskEngine m(kNumberMask);
  MaskEditState state = At(m, "1-23-45", 2);
  EXPECT_EQ(m.TypeChar(state, '\x1b').request, MaskRequest::kReset);
  EXPECT_EQ(m.TypeChar(state, '\r').request, MaskRequest::kCheck);
  const MaskEffect back = m.TypeChar(state, '\b');
  EXPECT_TRUE(back.handled);
  EXPECT_FALSE(back.text_changed);
  for (char c : {'\x03', '\x16', '\x18'}) EXPECT_FALSE(m.TypeChar(state, c).handled);
  EXPECT_TRUE(m.TypeChar(state, '\t').beep);
  EXPECT_EQ(Shown(state), "1-[2]3-45");
  // Read-only: Esc still resets; Enter and characters do nothing.
  state.read_only = true;
  EXPECT_EQ(m.TypeChar(state, '\x1b').request, MaskRequest::kReset);
  EXPECT_EQ(m.TypeChar(state, '\r').request, MaskRequest::kNone);
  EXPECT_FALSE(m.TypeChar(state, '7').beep);
  EXPECT_EQ(state.text, "1-23-45");
  // An empty selection inside the text types at the caret.
  state = Selected("_-__-__", 3, 3, 3);
  Type(m, state, "8");
  EXPECT_EQ(Shown(state), "_-_8-[_]_");
}

TEST(MaskTypingTest, UnmaskedFieldLeavesEverythingToThePlatform) {
  const MaskEngine m("");
  MaskEditState state = Selected("abc", 1, 1, 1);
  EXPECT_FALSE(m.TypeChar(state, 'x').handled);
  EXPECT_FALSE(m.TypeChar(state, '\x1b').handled);
  EXPECT_FALSE(Press(m, state, MaskKey::kLeft).handled);
  EXPECT_FALSE(m.Paste(state, "zz").handled);
  EXPECT_FALSE(m.Cut(state).handled);
  EXPECT_EQ(Shown(state), "a|bc");
  EXPECT_EQ(m.TextOf("a-b"), "a-b");
  m.SetText(state, "free text");
  EXPECT_EQ(Shown(state), "|free text");
}

// --- Delete and Backspace ---

TEST(MaskDeleteTest, DeleteBlanksWithoutShifting) {
  const MaskEngine m(kNumberMask);
  MaskEditState state = At(m, "1-23-45", 2);
  EXPECT_TRUE(Press(m, state, MaskKey::kDelete).text_changed);
  EXPECT_EQ(Shown(state), "1-[_]3-45");
  EXPECT_EQ(m.TextOf(state.text), "1 345");
  EXPECT_TRUE(state.modified);
  // A longer selection: literals stay, the cursor goes to the first editable place.
  state = Selected("1-23-45", 1, 6, 5);
  Press(m, state, MaskKey::kDelete);
  EXPECT_EQ(Shown(state), "1-[_]_-_5");
  // Nothing selected: nothing happens.
  state = Selected("1-23-45", 7, 7, 7);
  const MaskEffect e = Press(m, state, MaskKey::kDelete);
  EXPECT_FALSE(e.text_changed);
  EXPECT_FALSE(state.modified);
  // Read-only: nothing.
  state = At(m, "1-23-45", 0);
  state.read_only = true;
  Press(m, state, MaskKey::kDelete);
  EXPECT_EQ(state.text, "1-23-45");
  // Deleting a place that is already empty still marks the field modified.
  state = At(m, m.BlankText(), 0);
  Press(m, state, MaskKey::kDelete);
  EXPECT_TRUE(state.modified);
}

TEST(MaskDeleteTest, BackspaceBlanksThePreviousEditablePlace) {
  const MaskEngine m(kNumberMask);
  MaskEditState state = At(m, "1-23-45", 3);
  Press(m, state, MaskKey::kBackspace);
  EXPECT_EQ(Shown(state), "1-[_]3-45");
  Press(m, state, MaskKey::kBackspace);  // skips the dash
  EXPECT_EQ(Shown(state), "[_]-_3-45");
  const MaskEffect e = Press(m, state, MaskKey::kBackspace);  // at the first place: nothing
  EXPECT_FALSE(e.text_changed);
  EXPECT_EQ(Shown(state), "[_]-_3-45");
  // From the end, and with a longer selection (as Delete).
  state = Selected("1-23-45", 7, 7, 7);
  Press(m, state, MaskKey::kBackspace);
  EXPECT_EQ(Shown(state), "1-23-4[_]");
  state = Selected("1-23-45", 2, 7, 2);
  Press(m, state, MaskKey::kBackspace);
  EXPECT_EQ(Shown(state), "1-[_]_-__");
  // No editable place before a leading literal: nothing.
  const MaskEngine paren("(000)");
  state = At(paren, "(123)", 0);
  Press(paren, state, MaskKey::kBackspace);
  EXPECT_EQ(Shown(state), "[(]123)");
}

TEST(MaskDeleteTest, ShiftDeleteCutsTheSelection) {
  const MaskEngine m(kNumberMask);
  MaskEditState state = Selected("1-23-45", 2, 5, 2);
  MaskEffect e = Press(m, state, MaskKey::kDelete, kShift);
  ASSERT_TRUE(e.clipboard);
  EXPECT_EQ(*e.clipboard, "23-");
  EXPECT_EQ(Shown(state), "1-[_]_-45");
  e = m.Cut(state);  // the platform's cut of the one-place cursor
  EXPECT_EQ(e.clipboard, "_");
  state = Selected("1-23-45", 7, 7, 7);
  EXPECT_FALSE(m.Cut(state).clipboard);
  // Read-only: copied, not deleted.
  state = Selected("1-23-45", 0, 3, 0);
  state.read_only = true;
  EXPECT_EQ(m.Cut(state).clipboard, "1-2");
  EXPECT_EQ(state.text, "1-23-45");
}

// --- The one-place cursor on key-down ---

TEST(MaskCursorTest, LeftAndRightMoveOverEditablePlaces) {
  const MaskEngine m(kNumberMask);
  MaskEditState state = At(m, "1-23-45", 2);
  Press(m, state, MaskKey::kLeft);
  EXPECT_EQ(Shown(state), "[1]-23-45");
  Press(m, state, MaskKey::kLeft);  // stays at the first place
  EXPECT_EQ(Shown(state), "[1]-23-45");
  Press(m, state, MaskKey::kRight);
  EXPECT_EQ(Shown(state), "1-[2]3-45");
  state = At(m, "1-23-45", 6);
  Press(m, state, MaskKey::kRight);  // from the last place to the end position
  EXPECT_EQ(Shown(state), "1-23-45|");
  Press(m, state, MaskKey::kRight);
  EXPECT_EQ(Shown(state), "1-23-45|");
  Press(m, state, MaskKey::kLeft);
  EXPECT_EQ(Shown(state), "1-23-4[5]");
  // Nothing selected in the middle: Right only puts the cursor at the caret.
  state = Selected("1-23-45", 3, 3, 3);
  Press(m, state, MaskKey::kRight);
  EXPECT_EQ(Shown(state), "1-2[3]-45");
}

TEST(MaskCursorTest, ArrowsCollapseALongerSelectionAtTheCaretPlace) {
  const MaskEngine m(kNumberMask);
  MaskEditState state = Selected("1-23-45", 0, 7, 3);
  Press(m, state, MaskKey::kLeft);
  EXPECT_EQ(Shown(state), "1-2[3]-45");
  state = Selected("1-23-45", 2, 5, 5);  // caret at the selection's end: one place back
  Press(m, state, MaskKey::kRight);
  EXPECT_EQ(Shown(state), "1-23[-]45");
}

TEST(MaskCursorTest, ShiftArrowsMoveTheActiveEndFromTheCursorsCaretBeforeItsPlace) {
  const MaskEngine m(kNumberMask);
  MaskEditState state = At(m, "1-23-45", 2);
  // The cursor's caret is before place 2, its anchor after it: Shift+Right
  // meets the anchor and leaves nothing selected after the place.
  Press(m, state, MaskKey::kRight, kShift);
  EXPECT_EQ(Shown(state), "1-2|3-45");
  EXPECT_EQ(state.caret, 3);
  Press(m, state, MaskKey::kRight, kShift);
  EXPECT_EQ(Shown(state), "1-2[3]-45");
  EXPECT_EQ(state.caret, 4);
  EXPECT_FALSE(state.ShowsCursor()) << "the caret is after the place";
  Press(m, state, MaskKey::kRight, kShift);
  EXPECT_EQ(Shown(state), "1-2[3-]45");
  Press(m, state, MaskKey::kLeft, kShift);
  Press(m, state, MaskKey::kLeft, kShift);
  Press(m, state, MaskKey::kLeft, kShift);
  EXPECT_EQ(Shown(state), "1-[2]3-45");
  EXPECT_TRUE(state.ShowsCursor());
  // Shift+Left from the cursor: the place before it and the place itself.
  state = At(m, "1-23-45", 2);
  Press(m, state, MaskKey::kLeft, kShift);
  EXPECT_EQ(Shown(state), "1[-2]3-45");
  EXPECT_EQ(state.caret, 1);
  EXPECT_EQ(state.Anchor(), 3);
  EXPECT_EQ(state.Active(), 1);
  // Kept within the text.
  state = At(m, "1-23-45", 0);
  Press(m, state, MaskKey::kLeft, kShift);
  EXPECT_EQ(Shown(state), "[1]-23-45");
  state = Selected("1-23-45", 5, 7, 7);
  Press(m, state, MaskKey::kRight, kShift);
  EXPECT_EQ(Shown(state), "1-23-[45]");
  EXPECT_EQ(state.caret, 7);
  // Home, Shift+Right, Shift+Delete: nothing is selected, so nothing is cut.
  state = At(m, "1-23-45", 3);
  Press(m, state, MaskKey::kHome);
  Press(m, state, MaskKey::kRight, kShift);
  const MaskEffect cut = Press(m, state, MaskKey::kDelete, kShift);
  EXPECT_FALSE(cut.clipboard);
  EXPECT_EQ(state.text, "1-23-45");
  EXPECT_FALSE(state.modified);
}

TEST(MaskCursorTest, HomeEndUpDownAndKeysLeftToThePlatform) {
  const MaskEngine m(kNumberMask);
  MaskEditState state = At(m, "1-23-45", 3);
  Press(m, state, MaskKey::kEnd);
  EXPECT_EQ(Shown(state), "1-23-45|");
  Press(m, state, MaskKey::kHome);
  EXPECT_EQ(Shown(state), "[1]-23-45");
  state = At(m, "1-23-45", 3);
  Press(m, state, MaskKey::kHome, kShift);
  EXPECT_EQ(Shown(state), "[1-23]-45");
  EXPECT_EQ(state.caret, 0);
  state = At(m, "1-23-45", 3);
  Press(m, state, MaskKey::kEnd, kShift);
  EXPECT_EQ(Shown(state), "1-2[3-45]");
  EXPECT_EQ(state.caret, 7);
  // Up and Down are swallowed.
  state = At(m, "1-23-45", 3);
  for (MaskKey key : {MaskKey::kUp, MaskKey::kDown}) {
    const MaskEffect e = Press(m, state, key);
    EXPECT_TRUE(e.handled);
    EXPECT_FALSE(e.selection_changed);
  }
  // Ctrl+arrows and Alt with anything go to the platform untouched.
  EXPECT_FALSE(Press(m, state, MaskKey::kLeft, kCtrl).handled);
  EXPECT_FALSE(Press(m, state, MaskKey::kDelete, kAlt).handled);
  EXPECT_EQ(Shown(state), "1-2[3]-45");
  EXPECT_EQ(state.text, "1-23-45");
  // Any other key: to the platform, with the cursor put at an empty caret.
  state = Selected("1-23-45", 5, 5, 0);
  const MaskEffect other = Press(m, state, MaskKey::kOther);
  EXPECT_FALSE(other.handled);
  EXPECT_TRUE(other.selection_changed);
  EXPECT_EQ(Shown(state), "1-23-[4]5");
}

// --- Paste ---

TEST(MaskPasteTest, PastedTextIsFedThroughTheMask) {
  const MaskEngine m(kNumberMask);
  for (const char* pasted : {"12345", "1-23-45"}) {
    MaskEditState state = At(m, m.BlankText(), 0);
    state.modified = true;
    m.Paste(state, pasted);
    EXPECT_EQ(Shown(state), "1-23-45|") << pasted;
    EXPECT_FALSE(state.modified);
  }
  // From the middle; a refused character becomes a blank place; extra input is dropped.
  MaskEditState state = At(m, "9-99-99", 3);
  m.Paste(state, "4x67");
  EXPECT_EQ(Shown(state), "9-94-_6|");
  // The selection is blanked first; an empty clipboard leaves it blank.
  state = Selected("1-23-45", 2, 7, 2);
  m.Paste(state, "");
  EXPECT_EQ(Shown(state), "1-[_]_-__");
  // Case directives apply to pasted letters.
  const MaskEngine upper(">LLL");
  state = At(upper, upper.BlankText(), 0);
  upper.Paste(state, "ab1");
  EXPECT_EQ(state.text, "AB_");
}

TEST(MaskPasteTest, AnyBytesLeaveAWellFormedTemplate) {
  const MaskEngine m(kNumberMask);
  std::string bytes;
  for (int i = 0; i < 10000; ++i) bytes += static_cast<char>(i * 37 % 256);
  MaskEditState state = At(m, m.BlankText(), 0);
  m.Paste(state, bytes);
  ASSERT_EQ(state.text.size(), 7u);
  EXPECT_EQ(state.text[1], '-');
  EXPECT_EQ(state.text[4], '-');
  for (int p : {0, 2, 3, 5, 6}) {
    const char c = state.text[static_cast<size_t>(p)];
    EXPECT_TRUE(c == '_' || (c >= '0' && c <= '9')) << p;
  }
  // Control bytes and Cyrillic at a "C" place become blanks or stay, never a control byte.
  const MaskEngine any("CCCC");
  state = At(any, any.BlankText(), 0);
  any.Paste(state, "\x01\xC0\n\x7F");
  EXPECT_EQ(state.text, "_\xC0__");
}

// --- Our own contracts, checked by assert in the test builds ---

TEST(MaskContractDeathTest, APlaceOutsideTheTemplateIsCaught) {
#ifdef NDEBUG
  GTEST_FAIL() << "assert() is off; the host trees keep it on (PHONEBOOK_ASSERTS)";
#else
  const MaskEngine m(kNumberMask);
  EXPECT_DEATH(m.IsLiteral(m.PlaceCount()), "place < PlaceCount");
  EXPECT_DEATH(m.LiteralAt(-1), "place >= 0");
  EXPECT_DEATH(m.Accepts(7, '1'), "PlaceCount");
#endif
}

TEST(MaskContractDeathTest, EditingATextThatIsNoTemplateIsCaught) {
#ifdef NDEBUG
  GTEST_FAIL() << "assert() is off; the host trees keep it on (PHONEBOOK_ASSERTS)";
#else
  const MaskEngine m(kNumberMask);
  MaskEditState short_text = Selected("1-2", 0, 1, 0);
  EXPECT_DEATH(m.TypeChar(short_text, '5'), "KeepsInvariants");
  MaskEditState moved_literal = Selected("12-3-45", 0, 1, 0);
  EXPECT_DEATH(m.Paste(moved_literal, "1"), "KeepsInvariants");
  MaskEditState past_the_end = Selected("1-23-45", 6, 9, 6);
  EXPECT_DEATH(Press(m, past_the_end, MaskKey::kDelete), "KeepsInvariants");
  // SetText makes the template: it takes any state.
  MaskEditState empty;
  m.SetText(empty, "12345");
  EXPECT_EQ(empty.text, "1-23-45");
  EXPECT_TRUE(m.KeepsInvariants(empty));
#endif
}

}  // namespace
