// The name picker on the real main window: opening and every way of
// closing with OnCloseUp once per closing, the keys of the closed picker,
// typing and accepting, the mouse with the drag passed to the list, what
// the picker shows, and where the list goes on the screen.
#include "search/rx_db_lookup_combo.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/common/name_picker_form.h"
#include "text/cp1251.h"

namespace {

using search::LookupKey;
using search::PlaceDropDown;
using search::TDropDownAlign;
using testing_support::Drag;
using testing_support::Press;
using testing_support::Release;

std::string Cp(const char8_t* utf8) {
  return text::Utf8ToCp1251(reinterpret_cast<const char*>(utf8));
}

class LookupComboTest : public testing_support::NamePickerTest {
 protected:
  bool Key(LookupKey key, bool alt = false) { return picker->KeyDown(key, alt); }
  const std::string& NameAt(size_t position) const { return Persons()[position].name; }
  // The list: 8 rows of 13 pixels and a one-pixel border, under the picker.
  static constexpr base::Rect kUnderThePicker{100, 221, 245, 221 + 8 * 13 + 2};
};

TEST_F(LookupComboTest, AFreshPickerOpensOnTheFirstRecordAndEscClosesWithOneCloseUp) {
  EXPECT_EQ(picker->ShownText(), "");
  Press(*picker, 10, 10);
  EXPECT_TRUE(picker->ListVisible());
  EXPECT_EQ(platform.shown_at, kUnderThePicker);
  EXPECT_EQ(platform.capture, search::LookupPart::kPicker);
  Release(*picker, 10, 10);
  EXPECT_FALSE(platform.capture.has_value());
  EXPECT_TRUE(picker->ListVisible());  // released on the picker: it stays open
  EXPECT_EQ(CurrentKey(), Persons()[0].key);
  EXPECT_EQ(List().HighlightedRow(), -1);
  EXPECT_EQ(List().FocusRow(), 0);
  EXPECT_EQ(picker->ShownText(), "");
  EXPECT_TRUE(Key(LookupKey::kEscape));
  EXPECT_FALSE(picker->ListVisible());
  EXPECT_FALSE(platform.list_shown);
  EXPECT_EQ(CloseUps(), 1);
  EXPECT_EQ(CurrentKey(), Persons()[0].key);  // the search reads the first person
  EXPECT_EQ(picker->ShownText(), "");
}

TEST_F(LookupComboTest, EveryClosingRaisesCloseUpOnceAndOnlyTheAcceptingOnesTakeTheValue) {
  struct Closing {
    const char* name;
    std::function<void()> close;
    bool accepts;
  };
  const Closing closings[] = {
      {"Enter", [&] { Key(LookupKey::kReturn); }, true},
      {"Alt+Down", [&] { Key(LookupKey::kDown, true); }, true},
      {"Alt+Up", [&] { Key(LookupKey::kUp, true); }, true},
      {"Esc", [&] { Key(LookupKey::kEscape); }, false},
      {"press on the picker", [&] { Press(*picker, 5, 5); }, false},
      {"focus lost", [&] { picker->FocusChanged(false); }, false},
      {"cancel mode", [&] { picker->CancelMode(); }, false},
      {"reset", [&] { picker->Reset(); }, false},
  };
  for (const Closing& c : closings) {
    SCOPED_TRACE(c.name);
    picker->Reset();
    close_ups.count = 0;
    Key(LookupKey::kDown, true);
    ASSERT_TRUE(picker->ListVisible());
    Key(LookupKey::kDown);  // the first name
    Key(LookupKey::kDown);  // the second
    c.close();
    EXPECT_FALSE(picker->ListVisible());
    EXPECT_FALSE(platform.list_shown);
    EXPECT_EQ(CloseUps(), 1);
    EXPECT_EQ(picker->Value(), c.accepts ? NameAt(1) : "");
    EXPECT_EQ(CurrentKey(), Persons()[1].key);  // what the list moved to last
    EXPECT_TRUE(List().SearchText().empty());
    EXPECT_EQ(List().LookupDataSet(), nullptr);  // detached from the table
  }
}

TEST_F(LookupComboTest, ClosingTakesTheFocusBackUnlessItIsTheFocusThatWent) {
  Key(LookupKey::kDown, true);
  Key(LookupKey::kReturn);
  EXPECT_EQ(platform.Count("focus"), 1);
  EXPECT_TRUE(picker->Focused());
  Key(LookupKey::kDown, true);
  picker->FocusChanged(false);
  EXPECT_EQ(platform.Count("focus"), 1);
  EXPECT_FALSE(picker->Focused());
}

TEST_F(LookupComboTest, DownAndUpOnTheClosedPickerMoveTheValueWithoutOpening) {
  EXPECT_TRUE(Key(LookupKey::kDown));  // empty value: the first record itself
  EXPECT_EQ(picker->Value(), NameAt(0));
  Key(LookupKey::kDown);
  Key(LookupKey::kDown);
  Key(LookupKey::kUp);
  EXPECT_EQ(picker->Value(), NameAt(1));
  EXPECT_EQ(picker->ShownText(), NameAt(1));
  EXPECT_EQ(CurrentKey(), Persons()[1].key);
  picker->SetValue("NOBODY");
  Key(LookupKey::kDown);  // a value not found: the first record
  EXPECT_EQ(picker->Value(), NameAt(0));
  Key(LookupKey::kUp);  // nothing before it
  EXPECT_EQ(picker->Value(), NameAt(0));
  for (LookupKey key : {LookupKey::kRight, LookupKey::kLeft, LookupKey::kPageDown, LookupKey::kPageUp,
                        LookupKey::kHome, LookupKey::kEnd, LookupKey::kReturn, LookupKey::kF4}) {
    EXPECT_FALSE(Key(key));
  }
  picker->KeyPress('\b');
  EXPECT_EQ(CurrentKey(), Persons()[0].key);
  EXPECT_EQ(platform.Count("show"), 0);
  EXPECT_EQ(CloseUps(), 0);
}

TEST_F(LookupComboTest, EscOnTheClosedPickerResetsWithoutCloseUp) {
  Key(LookupKey::kDown);
  Key(LookupKey::kDown);
  EXPECT_TRUE(Key(LookupKey::kEscape));
  EXPECT_EQ(picker->Value(), "");
  EXPECT_EQ(picker->ShownText(), "");
  EXPECT_EQ(CurrentKey(), Persons()[1].key);  // a reset moves nothing
  EXPECT_FALSE(Key(LookupKey::kEscape));      // nothing to clear: passed on
  picker->escape_clear = false;
  Key(LookupKey::kDown);  // from the empty value: the first record
  EXPECT_FALSE(Key(LookupKey::kEscape));
  EXPECT_EQ(picker->Value(), NameAt(0));
  EXPECT_EQ(CloseUps(), 0);
}

TEST_F(LookupComboTest, TypingOpensTheListAndEnterAcceptsTheName) {
  Type(Cp(u8"ив"));
  const size_t at = testing_support::FirstNameBeginningWith(Cp(u8"ИВ"));
  EXPECT_TRUE(picker->ListVisible());
  EXPECT_EQ(picker->ShownText(), NameAt(at).substr(0, 2));
  EXPECT_FALSE(Key(LookupKey::kF4));  // F4 does nothing
  EXPECT_TRUE(picker->ListVisible());
  EXPECT_TRUE(Key(LookupKey::kReturn));
  EXPECT_FALSE(picker->ListVisible());
  EXPECT_EQ(picker->Value(), NameAt(at));
  EXPECT_EQ(picker->ShownText(), NameAt(at));
  EXPECT_EQ(CurrentKey(), Persons()[at].key);
  EXPECT_EQ(CloseUps(), 1);
  EXPECT_FALSE(Key(LookupKey::kReturn));  // closed: Enter goes on to the window
}

TEST_F(LookupComboTest, ThePickerShowsItsOwnTextWhenTheScrollBarMovedTheCurrentRecordAway) {
  picker->SetValue(NameAt(200));
  Key(LookupKey::kDown, true);
  EXPECT_EQ(picker->ShownText(), NameAt(200));
  Key(LookupKey::kDown);
  EXPECT_EQ(picker->ShownText(), NameAt(201));  // the highlighted current record
  List().Scroll(search::LookupScroll::kPageDown);
  const int scrolled_to = CurrentKey();
  EXPECT_EQ(picker->ShownText(), NameAt(200));  // the picker's own text
  Key(LookupKey::kEscape);
  EXPECT_EQ(picker->Value(), NameAt(200));
  EXPECT_EQ(CurrentKey(), scrolled_to);  // not accepted: the scrolled-to record stays current
}

TEST_F(LookupComboTest, APressTakesTheFocusFirstAndOpensOnlyAModifiablePicker) {
  platform.grant_focus = false;
  Press(*picker, 10, 10);
  EXPECT_FALSE(picker->ListVisible());
  EXPECT_FALSE(platform.capture.has_value());
  EXPECT_FALSE(picker->Focused());
  platform.grant_focus = true;
  picker->read_only = true;
  Press(*picker, 10, 10);
  EXPECT_TRUE(picker->Focused());
  EXPECT_FALSE(picker->ListVisible());
  Key(LookupKey::kDown, true);
  EXPECT_FALSE(picker->ListVisible());
  picker->read_only = false;
  Press(*picker, 10, 10);
  EXPECT_TRUE(picker->ListVisible());
  EXPECT_EQ(CloseUps(), 0);
}

TEST_F(LookupComboTest, TheButtonLooksPressedUnderThePointerAndTheListTakesTheDrag) {
  // The client area is 143 x 19; the button covers x 125..141.
  Press(*picker, 130, 8);
  EXPECT_TRUE(picker->ButtonPressed());
  Drag(*picker, 20, 8);
  EXPECT_FALSE(picker->ButtonPressed());
  Drag(*picker, 130, 8);
  EXPECT_TRUE(picker->ButtonPressed());
  // The list's rows start at screen (101, 222), the picker's client at
  // (101, 201): picker y 50 is list y 29, row 2.
  Drag(*picker, 10, 50);
  EXPECT_FALSE(picker->Tracking());
  EXPECT_FALSE(picker->ButtonPressed());
  EXPECT_TRUE(List().Tracking());
  EXPECT_EQ(platform.capture, search::LookupPart::kList);
  EXPECT_EQ(CurrentKey(), Persons()[2].key);
  Release(List(), 10, 29);
  EXPECT_FALSE(picker->ListVisible());
  EXPECT_EQ(picker->Value(), NameAt(2));
  EXPECT_EQ(CloseUps(), 1);
}

TEST_F(LookupComboTest, AReleaseOverTheListWithoutAMoveEndsTheDragThere) {
  Press(*picker, 130, 8);
  Release(*picker, 10, 50 + 13);
  EXPECT_FALSE(picker->ListVisible());
  EXPECT_EQ(picker->Value(), NameAt(3));
  EXPECT_EQ(CloseUps(), 1);
}

TEST_F(LookupComboTest, CancelledTrackingEndsTheDragAndKeepsTheListOpen) {
  Press(*picker, 130, 8);
  ASSERT_TRUE(picker->Tracking());
  picker->CancelTracking();
  EXPECT_FALSE(picker->Tracking());
  EXPECT_FALSE(picker->ButtonPressed());
  EXPECT_FALSE(platform.capture.has_value());
  EXPECT_TRUE(picker->ListVisible());
  // The pointer passing over the rows no longer hands a drag to the list,
  // and a late release changes nothing.
  Drag(*picker, 10, 50);
  EXPECT_FALSE(List().Tracking());
  Release(*picker, 10, 50);
  EXPECT_TRUE(picker->ListVisible());
  EXPECT_EQ(CloseUps(), 0);
}

TEST_F(LookupComboTest, TheStateFollowsThePressTheDragIntoTheListAndTheClosing) {
  using search::PickerState;
  EXPECT_EQ(picker->State(), PickerState::kClosed);
  Press(*picker, 130, 8);
  EXPECT_EQ(picker->State(), PickerState::kHeld);
  Drag(*picker, 10, 50);  // into the rows: the list holds the drag
  EXPECT_EQ(picker->State(), PickerState::kOpen);
  EXPECT_TRUE(List().Tracking());
  Release(List(), 10, 29);
  EXPECT_EQ(picker->State(), PickerState::kClosed);
  EXPECT_TRUE(Key(LookupKey::kDown, true));
  EXPECT_EQ(picker->State(), PickerState::kOpen);
  Press(*picker, 10, 10);  // a press on the open picker closes it
  EXPECT_EQ(picker->State(), PickerState::kClosed);
  EXPECT_EQ(CloseUps(), 2);
}

// Makes the picker read-only when its list is about to open.
class ReadOnlyOnDropDown : public base::TComponent {
 public:
  using TComponent::TComponent;
  void DropDown(base::TComponent*) { picker->read_only = true; }
  search::TRxDBLookupCombo* picker = nullptr;
};

TEST_F(LookupComboTest, APressWhoseListDoesNotOpenHoldsTheButtonUntilTheRelease) {
  ReadOnlyOnDropDown refusing(nullptr);
  refusing.picker = picker;
  picker->on_drop_down.Bind(refusing, resources::PublishedMethod<&ReadOnlyOnDropDown::DropDown>("DropDown"));
  Press(*picker, 130, 8);
  EXPECT_EQ(picker->State(), search::PickerState::kHeldClosed);
  EXPECT_FALSE(picker->ListVisible());
  EXPECT_TRUE(picker->Tracking());
  EXPECT_TRUE(picker->ButtonPressed());
  EXPECT_EQ(platform.capture, search::LookupPart::kPicker);
  Drag(*picker, 20, 8);
  EXPECT_FALSE(picker->ButtonPressed());
  Release(*picker, 20, 8);
  EXPECT_EQ(picker->State(), search::PickerState::kClosed);
  EXPECT_FALSE(platform.capture.has_value());
  EXPECT_EQ(CloseUps(), 0);
  picker->on_drop_down.Clear();
}

TEST_F(LookupComboTest, TheListGoesAboveThePickerNearTheScreensBottomAndTakesItsWidth) {
  platform.geometry.picker_window = {100, 700, 245, 721};
  platform.geometry.picker_client = {101, 701, 244, 720};
  Key(LookupKey::kDown, true);
  EXPECT_EQ(platform.shown_at, (base::Rect{100, 700 - 106, 245, 700}));
  Key(LookupKey::kEscape);
  picker->drop_down_width = 300;
  Key(LookupKey::kDown, true);
  EXPECT_EQ(platform.shown_at.Width(), 300);
  Key(LookupKey::kEscape);
  // Negative: wide enough for the name column (24 x "M" + 4) and the scroll bar.
  picker->drop_down_width = -1;
  Key(LookupKey::kDown, true);
  EXPECT_EQ(platform.shown_at.Width(), 24 * 8 + 4 + 17);
  Key(LookupKey::kEscape);
  platform.geometry.screen = {0, 0, 180, 768};
  Key(LookupKey::kDown, true);
  EXPECT_EQ(platform.shown_at, (base::Rect{0, 700 - 106, 180, 700}));
}

TEST(PlaceDropDownTest, UnderOrAboveAlignedAndKeptOnTheScreen) {
  const base::Rect screen{0, 0, 1024, 768};
  const base::Rect picker{100, 100, 245, 121};
  EXPECT_EQ(PlaceDropDown(picker, 145, 106, TDropDownAlign::daLeft, screen),
            (base::Rect{100, 121, 245, 227}));
  EXPECT_EQ(PlaceDropDown(picker, 200, 106, TDropDownAlign::daRight, screen),
            (base::Rect{45, 121, 245, 227}));
  EXPECT_EQ(PlaceDropDown(picker, 200, 106, TDropDownAlign::daCenter, screen),
            (base::Rect{73, 121, 273, 227}));
  // Exactly reaching the bottom still fits; one more pixel goes above.
  const base::Rect low{100, 641, 245, 662};
  EXPECT_EQ(PlaceDropDown(low, 145, 106, TDropDownAlign::daLeft, screen).top, 662);
  EXPECT_EQ(PlaceDropDown({100, 642, 245, 663}, 145, 106, TDropDownAlign::daLeft, screen).top, 642 - 106);
  // Past the right edge: moved left to end there; never left of the screen.
  EXPECT_EQ(PlaceDropDown({950, 100, 1095, 121}, 145, 106, TDropDownAlign::daLeft, screen).left, 1024 - 145);
  EXPECT_EQ(PlaceDropDown({-60, 100, 85, 121}, 145, 106, TDropDownAlign::daLeft, screen).left, 0);
  EXPECT_EQ(PlaceDropDown(picker, 2000, 106, TDropDownAlign::daLeft, screen).left, 0);
}

TEST(PickerLayoutTest, TheButtonTakesTheScrollBarWidthInsideTheMargin) {
  const search::PickerLayout layout = search::LayoutPicker(143, 19, 17);
  EXPECT_EQ(layout.text, (base::Rect{1, 1, 125, 18}));
  EXPECT_EQ(layout.button, (base::Rect{125, 1, 142, 18}));
  EXPECT_EQ(search::LayoutPicker(10, 19, 17).button.left, 1);  // a narrow picker: all button
}

TEST(PickerLayoutTest, ThePickerGrowsToItsFontsCharacterHeightTheBorderAndThreePixels) {
  EXPECT_EQ(search::LeastPickerHeight(13, 1), 18);
  EXPECT_EQ(search::LeastPickerHeight(13, 2), 20);
  base::TComponent owner(nullptr);
  auto* picker = new search::TRxDBLookupCombo(&owner);
  picker->SetBounds(176, 96, 145, 21);
  // The stored 21 holds for the stored font, flat or with a 3-D border.
  picker->FitHeightToFont(13, 1);
  picker->FitHeightToFont(16, 1);
  picker->FitHeightToFont(13, 2);
  EXPECT_EQ(picker->height, 21);
  // A larger font (a denser screen) grows it downwards; a smaller one
  // afterwards leaves it as it is.
  picker->FitHeightToFont(26, 1);
  EXPECT_EQ(picker->height, 31);
  EXPECT_EQ(picker->top, 96);
  EXPECT_EQ(picker->width, 145);
  picker->FitHeightToFont(13, 1);
  EXPECT_EQ(picker->height, 31);
}

constexpr int kDensities[] = {72, 96, 120, 144, 192, 480};

// The picker's client area (its stored 145 x 21 scaled, less the flat
// one-pixel border) at each density: the margin and the text indent scale,
// the button takes the scroll bar width given, and the parts neither
// overlap nor vanish.
TEST(PickerLayoutTest, AtEveryDensityTheMarginAndIndentScaleAndTheButtonTakesItsWidth) {
  struct Expected {
    int dpi, margin, indent;
  };
  for (const Expected e : {Expected{72, 1, 2}, Expected{96, 1, 2}, Expected{120, 1, 3}, Expected{144, 2, 3},
                           Expected{192, 2, 4}, Expected{480, 5, 10}}) {
    SCOPED_TRACE(e.dpi);
    const ui::DpiScale scale(e.dpi);
    const int width = scale.Length(145) - 2, height = scale.Length(21) - 2;
    const int button = scale.Length(17);
    const search::PickerLayout layout = search::LayoutPicker(width, height, button, scale);
    EXPECT_EQ(layout.text_indent, e.indent);
    EXPECT_EQ(layout.text, (base::Rect{e.margin, e.margin, width - e.margin - button, height - e.margin}));
    EXPECT_EQ(layout.button,
              (base::Rect{width - e.margin - button, e.margin, width - e.margin, height - e.margin}));
    EXPECT_GT(layout.text.Width(), layout.text_indent);
    EXPECT_GT(layout.text.Height(), 0);
  }
  // At the stored density exactly the layout the picker always had.
  const search::PickerLayout stored = search::LayoutPicker(143, 19, 17, ui::DpiScale(96));
  EXPECT_EQ(stored.text, (base::Rect{1, 1, 125, 18}));
  EXPECT_EQ(stored.text_indent, 2);
}

TEST(PickerLayoutTest, TheHeightRuleScalesItsThreePixelsAndTheStoredHeightHoldsAtEveryDensity) {
  EXPECT_EQ(search::LeastPickerHeight(13, 1, ui::DpiScale(96)), 18);
  EXPECT_EQ(search::LeastPickerHeight(20, 1, ui::DpiScale(144)), 20 + 2 + 5);
  EXPECT_EQ(search::LeastPickerHeight(26, 1, ui::DpiScale(192)), 26 + 2 + 6);
  EXPECT_EQ(search::LeastPickerHeight(10, 1, ui::DpiScale(72)), 10 + 2 + 2);
  for (const int dpi : kDensities) {
    SCOPED_TRACE(dpi);
    const ui::DpiScale scale(dpi);
    // The stored font's 13-pixel cell grows with the density, and the
    // stored 21 scaled by the same rule still holds it: the picker keeps
    // its scaled height.
    base::TComponent owner(nullptr);
    auto* picker = new search::TRxDBLookupCombo(&owner);
    picker->SetBounds(scale.Position(5), scale.Position(48), scale.Length(145), scale.Length(21));
    picker->FitHeightToFont(scale.Length(13), 1, scale);
    EXPECT_EQ(picker->height, scale.Length(21));
    // A font twice as high makes it grow to the rule.
    picker->FitHeightToFont(scale.Length(26), 1, scale);
    EXPECT_EQ(picker->height, search::LeastPickerHeight(scale.Length(26), 1, scale));
  }
}

// The list opened on a denser screen: the metrics come at that density, the
// list takes them and the density (its auto-scroll counts stored pixels),
// and its fixed columns get the scaled 4 pixels.
TEST_F(LookupComboTest, AtADenserScreenTheListTakesItsMetricsAndDensity) {
  platform.geometry.picker_window = {150, 300, 368, 332};
  platform.geometry.picker_client = {151, 301, 367, 331};
  platform.geometry.scale = ui::DpiScale(144);
  platform.geometry.metrics = search::LookupMetrics{20, 12, 26, 1};
  Key(LookupKey::kDown, true);
  ASSERT_TRUE(picker->ListVisible());
  EXPECT_EQ(List().Scale(), ui::DpiScale(144));
  EXPECT_EQ(List().RowHeight(), 20);
  EXPECT_EQ(platform.shown_at, (base::Rect{150, 332, 368, 332 + 8 * 20 + 2}));
  EXPECT_EQ(List().ClientWidth(), 218 - 2 - 26);
  // 6 screen pixels below the rows are 4 stored ones: 200 - 60 ms.
  Press(List(), 10, 5);
  Drag(List(), 10, List().ClientHeight() + 5);
  EXPECT_EQ(List().AutoScrollInterval(), 140);
  Release(List(), 10, 5);
  EXPECT_FALSE(picker->ListVisible());
  // Wide enough for the name column: 24 x "M" + 4 pixels scaled, and the bar.
  picker->drop_down_width = -1;
  Key(LookupKey::kDown, true);
  EXPECT_EQ(platform.shown_at.Width(), 24 * 12 + 6 + 26);
  Key(LookupKey::kEscape);
  // A stored row height above the font's is scaled like every stored length.
  picker->item_height = 30;
  Key(LookupKey::kDown, true);
  EXPECT_EQ(List().RowHeight(), 45);
  Key(LookupKey::kEscape);
  EXPECT_EQ(search::FixedColumnWidth(24, 8, {}), 24 * 8 + 4);
  EXPECT_EQ(search::FixedColumnWidth(24, 16, ui::DpiScale(192)), 24 * 16 + 8);
}

TEST_F(LookupComboTest, EveryHundredAndFirstPersonTypedInFullAndAcceptedIsCurrent) {
  int typed = 0;
  for (size_t i = 0; i < Persons().size(); i += 101, ++typed) {
    SCOPED_TRACE(i);
    Type(text::ToLower(NameAt(i)));
    ASSERT_TRUE(picker->ListVisible());
    EXPECT_EQ(List().SearchText(), NameAt(i));
    Key(LookupKey::kReturn);
    EXPECT_EQ(CurrentKey(), Persons()[i].key);
    EXPECT_EQ(picker->ShownText(), NameAt(i));
  }
  EXPECT_EQ(CloseUps(), typed);
}

}  // namespace
