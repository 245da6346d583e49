// Live properties of the controls: each run-time change tells the control's
// peer once (and nothing when the value stays), colours and fonts taken from
// the parent until the control gets its own, a memo's lines and alignment,
// moving a control to another parent, and the events a view raises.
#include <gtest/gtest.h>

#include <stdexcept>

#include <string>
#include <vector>

#include "app/forms/main_form.h"
#include "tests/common/form_stream_file.h"
#include "tests/common/recording_peer.h"
#include "ui/controls/label/label.h"
#include "ui/controls/memo/memo.h"
#include "ui/controls/panel/panel.h"

namespace {

using testing_support::RecordingPeer;
using ui::ControlChange;

class ControlPropertiesTest : public ::testing::Test {
 protected:
  ControlPropertiesTest() : owner_(nullptr) {
    panel_ = new ui::TPanel(&owner_);
    label_ = new ui::TLabel(&owner_);
    label_->SetParentComponent(panel_);
    label_->SetPeer(&peer_);
  }

  base::TComponent owner_;
  ui::TPanel* panel_;
  ui::TLabel* label_;
  RecordingPeer peer_;
};

TEST_F(ControlPropertiesTest, EachRealChangeTellsThePeerOnce) {
  label_->SetBounds(1, 2, 3, 4);
  label_->SetBounds(1, 2, 3, 4);
  label_->SetVisible(false);
  label_->SetVisible(false);
  label_->SetEnabled(false);
  label_->SetCursor(ui::crHandPoint);
  label_->SetCursor(ui::crHandPoint);
  label_->SetCaption("x");
  label_->SetCaption("x");
  label_->SetAlignment(ui::TAlignment::taCenter);
  label_->SetAlignment(ui::TAlignment::taCenter);
  EXPECT_EQ(peer_.changes, (std::vector<ControlChange>{ControlChange::kBounds, ControlChange::kVisible,
                                                       ControlChange::kEnabled, ControlChange::kCursor,
                                                       ControlChange::kText, ControlChange::kAlignment}));
  EXPECT_EQ(label_->width, 3);
  EXPECT_EQ(label_->cursor, ui::crHandPoint);
}

TEST_F(ControlPropertiesTest, ALabelShowsItsParentsColourUntilCodeGivesItOne) {
  panel_->color = ui::clInfoBk;
  EXPECT_TRUE(label_->parent_color);
  EXPECT_EQ(label_->EffectiveColor(), ui::clInfoBk);
  label_->SetColor(ui::clSkyBlue);
  EXPECT_EQ(label_->EffectiveColor(), ui::clSkyBlue);
  // Back to exactly the parent's colour, but its own from now on.
  label_->SetColor(ui::clInfoBk);
  EXPECT_FALSE(label_->parent_color);
  panel_->SetColor(ui::clWindow);
  EXPECT_EQ(label_->EffectiveColor(), ui::clInfoBk);
  EXPECT_EQ(peer_.Count(ControlChange::kColor), 2);
  // A colour equal to the label's own one (no longer its parent's) is no change.
  label_->SetColor(ui::clInfoBk);
  EXPECT_EQ(peer_.Count(ControlChange::kColor), 2);
}

TEST_F(ControlPropertiesTest, AFontSetInCodeIsTheControlsOwn) {
  panel_->font.height = -20;
  EXPECT_EQ(label_->EffectiveFont().height, -20);
  ui::TFont bold;
  bold.style = 1u << ui::fsBold;
  label_->SetFont(bold);
  EXPECT_FALSE(label_->parent_font);
  EXPECT_TRUE(label_->EffectiveFont().HasStyle(ui::fsBold));
  EXPECT_EQ(label_->EffectiveFont().height, -11);
  EXPECT_EQ(peer_.Count(ControlChange::kFont), 1);
}

TEST_F(ControlPropertiesTest, SetFontTakesEveryStoredValue) {
  ui::TFont font;
  font.charset = 204;
  font.color = ui::clHighlight;
  font.height = -13;
  font.name = "Arial";
  font.style = 1u << ui::fsItalic;
  label_->SetFont(font);
  const ui::FontValues& taken = label_->font;
  const ui::FontValues& given = font;
  EXPECT_EQ(taken.charset, given.charset);
  EXPECT_EQ(taken.color, given.color);
  EXPECT_EQ(taken.height, given.height);
  EXPECT_EQ(taken.name, given.name);
  EXPECT_EQ(taken.style, given.style);
}

TEST_F(ControlPropertiesTest, AControlNeverBecomesItsOwnAncestor) {
#ifdef NDEBUG
  GTEST_FAIL() << "assert() is off; the host trees keep it on (PHONEBOOK_ASSERTS)";
#else
  auto* inner = new ui::TPanel(&owner_);
  inner->SetParent(panel_);
  EXPECT_DEATH(panel_->SetParent(inner), "above != this");
  EXPECT_DEATH(panel_->SetParent(panel_), "above != this");
#endif
}

TEST_F(ControlPropertiesTest, MovingToAnotherParentTellsThePeerAndFollowsTheParentsEnd) {
  auto* other = new ui::TPanel(&owner_);
  label_->SetParent(other);
  EXPECT_EQ(label_->Parent(), other);
  EXPECT_EQ(peer_.Count(ControlChange::kParent), 1);
  label_->SetParent(other);
  EXPECT_EQ(peer_.Count(ControlChange::kParent), 1);
  base::TComponent::Destroy(other);
  EXPECT_EQ(label_->Parent(), nullptr);
  // The panel it left is no longer its parent: its end changes nothing here.
  label_->SetParent(panel_);
  base::TComponent::Destroy(panel_);
  EXPECT_EQ(label_->Parent(), nullptr);
}

TEST_F(ControlPropertiesTest, AMemosLinesAndAlignmentReachItsPeer) {
  ui::TMemo memo(nullptr);
  RecordingPeer peer;
  memo.SetPeer(&peer);
  memo.lines.Clear();
  memo.lines.Add("one");
  memo.lines.Add("two");
  EXPECT_EQ(memo.lines.Text(), "one\r\ntwo\r\n");
  EXPECT_EQ(peer.Count(ControlChange::kText), 3);
  memo.SetAlignment(ui::TAlignment::taLeftJustify);  // the default: no change
  memo.SetAlignment(ui::TAlignment::taCenter);
  EXPECT_EQ(peer.Count(ControlChange::kAlignment), 1);
  memo.SetPeer(nullptr);
}

TEST_F(ControlPropertiesTest, ChangesInsideAnUpdateReachThePeerOnceAtItsOutermostEnd) {
  ui::TMemo memo(nullptr);
  RecordingPeer peer;
  memo.SetPeer(&peer);
  memo.lines.BeginUpdate();
  memo.lines.Clear();
  memo.lines.BeginUpdate();
  memo.lines.Add("one");
  memo.lines.EndUpdate();
  EXPECT_EQ(peer.Count(ControlChange::kText), 0);  // still inside the outer update
  memo.lines.Add("two");
  memo.lines.EndUpdate();
  EXPECT_EQ(peer.Count(ControlChange::kText), 1);
  // An update without a change tells nothing; an unmatched end is ignored.
  memo.lines.BeginUpdate();
  memo.lines.EndUpdate();
  memo.lines.EndUpdate();
  EXPECT_EQ(peer.Count(ControlChange::kText), 1);
  memo.lines.Add("three");  // outside any update: at once
  EXPECT_EQ(peer.Count(ControlChange::kText), 2);
  // An exception between the changes still ends the update.
  try {
    const ui::StringsUpdate update(memo.lines);
    memo.lines.Clear();
    throw std::runtime_error("between the changes");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(peer.Count(ControlChange::kText), 3);
  EXPECT_EQ(memo.lines.Text(), "");
  memo.SetPeer(nullptr);
}

// Counts the events the controls raise.
class EventCounter final : public base::TComponent {
 public:
  EventCounter() : TComponent(nullptr) {}
  void Clicked(base::TComponent*) { ++clicks; }
  void Pressed(base::TComponent*, ui::TMouseButton button, ui::TShiftState, int x, int y) {
    presses.push_back(static_cast<int>(button) * 10000 + x * 100 + y);
  }
  int clicks = 0;
  std::vector<int> presses;
};

TEST(ControlEvents, TheRaisingMembersCallWhatADescriptionBound) {
  EventCounter counter;
  ui::TLabel label(nullptr);
  label.Click();  // nothing bound: nothing happens
  label.on_click.Bind(counter, resources::PublishedMethod<&EventCounter::Clicked>("Clicked"));
  label.on_mouse_down.Bind(counter, resources::PublishedMethod<&EventCounter::Pressed>("Pressed"));
  label.Click();
  label.MouseDown(ui::TMouseButton::mbMiddle, 0, 3, 4);
  EXPECT_EQ(counter.clicks, 1);
  EXPECT_EQ(counter.presses, (std::vector<int>{20304}));
}

TEST(ControlEvents, EveryControlPublishesTheMouseEvents) {
  for (const char* name :
       {"OnClick", "OnDblClick", "OnMouseDown", "OnMouseUp", "OnMouseMove", "OnMouseEnter", "OnMouseLeave"}) {
    for (const resources::ClassInfo* info :
         {&ui::TLabel::Class(), &ui::TPanel::Class(), &ui::TMemo::Class(), &ui::TForm::Class()}) {
      const resources::PropertyInfo* property = info->FindProperty(name);
      ASSERT_NE(property, nullptr) << info->name << "." << name;
      EXPECT_EQ(property->kind, resources::PropertyKind::kEvent);
    }
  }
  EXPECT_NE(ui::TControl::Class().FindProperty("Cursor"), nullptr);
}

TEST(ControlEvents, AStoredCursorOutsideTheTableIsKeptAsAValue) {
  // The screen shows the arrow for it; the description's value is not refused.
  const resources::PropertyInfo* cursor = ui::TControl::Class().FindProperty("Cursor");
  ASSERT_NE(cursor, nullptr);
  ui::TLabel label(nullptr);
  resources::PropertyValue value;
  value.integer = 1234;
  EXPECT_TRUE(cursor->set(label, value));
  EXPECT_EQ(label.cursor, 1234);
  value.integer = 70000;  // beyond a cursor value's range: refused by the reader
  EXPECT_FALSE(cursor->set(label, value));
  EXPECT_EQ(label.cursor, 1234);
}

}  // namespace
