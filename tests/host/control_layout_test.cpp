// What the screen side relies on without a screen: the order in which Tab
// visits the controls, the placing of aligned controls, the empty text of an
// edit mask, and the forms' and items' actions on their controls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/forms/main_form.h"
#include "search/mask_engine.h"
#include "tests/common/form_stream_file.h"
#include "tests/common/main_window_layout.h"
#include "tests/common/recording_form_host.h"
#include "tests/common/recording_peer.h"
#include "ui/model/align_layout.h"
#include "ui/model/control_tree.h"

namespace {

std::vector<std::string> Names(const std::vector<ui::TWinControl*>& controls) {
  std::vector<std::string> names;
  for (const auto* c : controls) names.push_back(c->Name());
  return names;
}

class MainFormLayoutTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    application_ = new base::TComponent(nullptr);
    form_ = new app::TMainForm(application_);
    testing_support::LoadFormStream("tmainform.stream", *form_);
  }
  static void TearDownTestSuite() { delete application_; }
  void TearDown() override { form_->twResult->visible = true; }

  static inline base::TComponent* application_ = nullptr;
  static inline app::TMainForm* form_ = nullptr;
};

TEST_F(MainFormLayoutTest, TabOrderPutsTheDocksFirstAndOnlyTheMemoAndSearchControlsAreStops) {
  const app::TMainForm& f = *form_;
  EXPECT_EQ(Names(ui::TabOrderedChildren(f, &f)),
            (std::vector<std::string>{"doTop", "doBott", "StatusBar1", "RxDBLookupCombo1", "MaskEdit1"}));
  const auto list = ui::TabOrderList(f, &f);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"doTop", "TBToolbar1", "doBott", "twResult", "meResult",
                                                   "StatusBar1", "RxDBLookupCombo1", "MaskEdit1"}));
  // No control has the focus yet: Tab starts at the first stop.
  EXPECT_EQ(ui::NextTabStop(list, nullptr, true), f.meResult);
  EXPECT_EQ(ui::NextTabStop(list, f.meResult, true), f.RxDBLookupCombo1);
  EXPECT_EQ(ui::NextTabStop(list, f.RxDBLookupCombo1, true), f.MaskEdit1);
  EXPECT_EQ(ui::NextTabStop(list, f.MaskEdit1, true), f.meResult);
  EXPECT_EQ(ui::NextTabStop(list, f.meResult, false), f.MaskEdit1);
  EXPECT_EQ(ui::NextTabStop(list, nullptr, false), f.MaskEdit1);
}

TEST_F(MainFormLayoutTest, AHiddenResultWindowTakesItsMemoOutOfTheCycle) {
  const auto list = ui::TabOrderList(*form_, form_);
  form_->twResult->visible = false;
  EXPECT_FALSE(ui::CanTabTo(*form_->meResult));
  EXPECT_EQ(ui::NextTabStop(list, nullptr, true), form_->RxDBLookupCombo1);
  EXPECT_EQ(ui::NextTabStop(list, form_->MaskEdit1, true), form_->RxDBLookupCombo1);
  EXPECT_EQ(ui::NextTabStop(list, form_->RxDBLookupCombo1, false), form_->MaskEdit1);
}

TEST_F(MainFormLayoutTest, AligningAtTheStoredSizeGivesTheStoredPlacesAndResizingMovesOnlyTheAlignedOnes) {
  using testing_support::StoredPlaceOf;
  const std::vector<ui::TControl*> children = ui::ChildControls(*form_, form_);
  ASSERT_EQ(children.size(), 7u);
  const base::Size stored = testing_support::kMainWindowClient;
  ui::AlignControls(children, stored.width, stored.height);
  const auto at = [](const ui::TControl* c) {
    return base::Rect::At({c->left, c->top}, {c->width, c->height});
  };
  for (const ui::TControl* control : children) {
    EXPECT_EQ(at(control), StoredPlaceOf(control->Name()).Box()) << control->Name();
  }
  // Wider and higher: the docks and the status bar follow the edges, keeping
  // their thickness; the rest stays.
  ui::AlignControls(children, 500, 400);
  const int bar = StoredPlaceOf("StatusBar1").height, bottom_dock = StoredPlaceOf("doBott").height;
  EXPECT_EQ(at(form_->doTop), base::Rect::At({0, 0}, {500, StoredPlaceOf("doTop").height}));
  EXPECT_EQ(at(form_->StatusBar1), base::Rect::At({0, 400 - bar}, {500, bar}));
  EXPECT_EQ(at(form_->doBott), base::Rect::At({0, 400 - bar - bottom_dock}, {500, bottom_dock}));
  EXPECT_EQ(at(form_->MaskEdit1), StoredPlaceOf("MaskEdit1").Box());
  EXPECT_EQ(at(form_->Label2), StoredPlaceOf("Label2").Box());
  ui::AlignControls(children, stored.width, stored.height);
}

// Controls made by hand: every alignment, and the tab places of a parent.
class HandMadeControlsTest : public ::testing::Test {
 protected:
  template <typename T = ui::TWinControl>
  T* Add(const char* name, ui::TAlign align, int left, int top, int width, int height) {
    auto* c = new T(&window_);
    c->SetName(name);
    c->SetParentComponent(&window_);
    c->align = align, c->left = left, c->top = top, c->width = width, c->height = height;
    return c;
  }
  ui::TForm window_{nullptr};
};

TEST_F(HandMadeControlsTest, EdgesStackInwardsAndTheClientControlTakesTheRest) {
  auto* top2 = Add("top2", ui::TAlign::alTop, 0, 30, 0, 10);
  auto* top1 = Add("top1", ui::TAlign::alTop, 0, 0, 0, 20);
  auto* left = Add("left", ui::TAlign::alLeft, 0, 0, 15, 0);
  auto* right = Add("right", ui::TAlign::alRight, 0, 0, 25, 0);
  auto* bottom = Add("bottom", ui::TAlign::alBottom, 0, 0, 0, 5);
  auto* fill = Add("fill", ui::TAlign::alClient, 0, 0, 0, 0);
  auto* hidden = Add("hidden", ui::TAlign::alTop, 0, 0, 0, 50);
  hidden->visible = false;
  ui::AlignControls(ui::ChildControls(window_, &window_), 200, 100);
  EXPECT_EQ(top1->top, 0);
  EXPECT_EQ(top1->width, 200);
  EXPECT_EQ(top2->top, 20);  // below the one whose top was higher
  EXPECT_EQ(bottom->top, 95);
  EXPECT_EQ(left->left, 0);
  EXPECT_EQ(left->top, 30);
  EXPECT_EQ(left->height, 65);
  EXPECT_EQ(right->left, 175);
  EXPECT_EQ(fill->left, 15);
  EXPECT_EQ(fill->top, 30);
  EXPECT_EQ(fill->width, 160);
  EXPECT_EQ(fill->height, 65);
  // A client area smaller than the edges leaves nothing, never a negative size.
  ui::AlignControls(ui::ChildControls(window_, &window_), 30, 20);
  EXPECT_EQ(fill->width, 0);
  EXPECT_EQ(fill->height, 0);
}

TEST_F(HandMadeControlsTest, StoredTabOrderMovesAControlWithinTheListAsItStandsWhenRead) {
  auto* a = Add("a", ui::TAlign::alNone, 0, 0, 1, 1);
  auto* b = Add("b", ui::TAlign::alNone, 0, 0, 1, 1);
  auto* c = Add("c", ui::TAlign::alNone, 0, 0, 1, 1);
  c->tab_order = 0;
  auto* d = Add("d", ui::TAlign::alNone, 0, 0, 1, 1);
  d->tab_order = 9;  // beyond the end: the last place
  Add<ui::TControl>("not windowed", ui::TAlign::alNone, 0, 0, 1, 1);
  EXPECT_EQ(Names(ui::TabOrderedChildren(window_, &window_)), (std::vector<std::string>{"c", "a", "b", "d"}));
  // None of them is a tab stop: Tab finds nothing.
  EXPECT_EQ(ui::NextTabStop(ui::TabOrderList(window_, &window_), a, true), nullptr);
  b->tab_stop = true;
  EXPECT_EQ(ui::NextTabStop(ui::TabOrderList(window_, &window_), b, true), b);
  b->enabled = false;
  EXPECT_EQ(ui::NextTabStop(ui::TabOrderList(window_, &window_), nullptr, true), nullptr);
}

TEST(EditMaskTest, BlankTextShowsPlacesAsTheBlankAndLiteralsAsTheyStand) {
  const search::MaskEngine number("0-00-00;0;_");
  EXPECT_EQ(number.PlaceCount(), 7);
  EXPECT_FALSE(number.SavesLiterals());
  EXPECT_EQ(number.Blank(), '_');
  EXPECT_EQ(number.BlankText(), "_-__-__");
  EXPECT_EQ(search::MaskEngine("(999) 000;1;*").BlankText(), "(***) ***");
  EXPECT_EQ(search::MaskEngine(">LL<ll\\0").BlankText(), "____0");
  EXPECT_EQ(search::MaskEngine("00\\").BlankText(), "__");  // a trailing escape shows nothing
  const search::MaskEngine defaults("00");
  EXPECT_TRUE(defaults.SavesLiterals());
  EXPECT_EQ(defaults.Blank(), '_');
  EXPECT_EQ(search::MaskEngine("").BlankText(), "");
}

TEST_F(MainFormLayoutTest, ItemsAndHandlersActThroughTheFormsHosts) {
  std::vector<std::string> main_calls, about_calls;
  auto* about = new ui::TForm(application_);
  about->SetName("fmAbout");
  form_->AttachHost(std::make_unique<testing_support::RecordingHost>(main_calls));
  about->AttachHost(std::make_unique<testing_support::RecordingHost>(about_calls));
  form_->TBItem2->Click();
  form_->TBItem1->Click();
  EXPECT_EQ(about_calls, (std::vector<std::string>{"Show"}));
  EXPECT_EQ(main_calls, (std::vector<std::string>{"Close"}));

  // The toggle item shows and hides its control, telling the control's peer.
  testing_support::RecordingPeer peer;
  form_->twResult->SetPeer(&peer);
  ASSERT_TRUE(form_->TBVisibilityToggleItem1->Checked());
  form_->TBVisibilityToggleItem1->Click();
  EXPECT_FALSE(form_->twResult->visible);
  EXPECT_FALSE(form_->TBVisibilityToggleItem1->Checked());
  form_->TBVisibilityToggleItem1->Click();
  EXPECT_TRUE(form_->twResult->visible);
  EXPECT_EQ(peer.Count(ui::ControlChange::kVisible), 2);
  form_->twResult->SetVisible(true);  // no change: nothing to tell
  EXPECT_EQ(peer.changes.size(), 2u);
  form_->twResult->SetPeer(nullptr);
  form_->AttachHost(nullptr);
  delete about;
}

}  // namespace
