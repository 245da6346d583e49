// The two windows laid out from their descriptions at the densities of
// common screens: at 96 pixels per inch exactly as stored, at 192 exactly
// twice, and at the odd ones by the rounding rule, without overlaps.
#include "app/forms/scaled_form_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "about/fm_about.h"
#include "app/forms/main_form.h"
#include "tests/common/form_stream_file.h"
#include "tests/common/main_window_layout.h"
#include "ui/model/control_tree.h"

namespace {

using base::Rect;
using base::Size;
using ui::DpiScale;

constexpr int kDensities[] = {72, 96, 120, 144, 192, 480};

class ScaledFormLayoutTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    application_ = new base::TComponent(nullptr);
    main_ = new app::TMainForm(application_);
    testing_support::LoadFormStream("tmainform.stream", *main_);
    about_ = new about::TfmAbout(application_);
    testing_support::LoadFormStream("tfmabout.stream", *about_);
  }
  static void TearDownTestSuite() { delete application_; }
  void TearDown() override { main_->twResult->visible = true; }

  // The control's rectangle as x, y, width, height.
  static std::vector<int> At(const app::ScaledFormLayout& layout, const char* name) {
    const app::PlacedControl* placed = layout.Find(name);
    EXPECT_NE(placed, nullptr) << name;
    if (!placed) return {};
    const Rect& r = placed->bounds;
    return {r.left, r.top, r.Width(), r.Height()};
  }

  static inline base::TComponent* application_ = nullptr;
  static inline app::TMainForm* main_ = nullptr;
  static inline about::TfmAbout* about_ = nullptr;
};

// The shared table of the stored layout (tests/common/main_window_layout.h)
// against the description it comes from, as read: the window's sizes, each
// control's stored place and size, the result window's stored client area.
TEST_F(ScaledFormLayoutTest, TheLayoutTableIsWhatTheDescriptionStores) {
  EXPECT_EQ((Size{main_->width, main_->height}), testing_support::kMainWindowOuter);
  EXPECT_EQ((Size{main_->client_width, main_->client_height}), testing_support::kMainWindowClient);
  EXPECT_EQ((Size{main_->twResult->client_area_width, main_->twResult->client_area_height}),
            testing_support::kResultWindowClient);
  for (const testing_support::StoredPlace& place : testing_support::kMainWindowPlaces) {
    const auto* control = dynamic_cast<const ui::TControl*>(main_->FindComponent(place.name));
    ASSERT_NE(control, nullptr) << place.name;
    EXPECT_EQ((base::Point{control->left, control->top}), place.Origin()) << place.name;
    // The result window stores no size: its dock gives it one.
    if (control == main_->twResult) continue;
    EXPECT_EQ((Size{control->width, control->height}), place.Extent()) << place.name;
  }
  EXPECT_EQ(testing_support::StoredPlaceOf("twResult").Extent(),
            testing_support::StoredPlaceOf("doBott").Extent());
}

TEST_F(ScaledFormLayoutTest, AtTheStoredDensityTheMainWindowIsAsStored) {
  const app::ScaledFormLayout l = app::LayOutScaled(*main_, DpiScale());
  EXPECT_EQ(l.client, testing_support::kMainWindowClient);
  for (const testing_support::StoredPlace& place : testing_support::kMainWindowPlaces) {
    const app::PlacedControl* placed = l.Find(place.name);
    ASSERT_NE(placed, nullptr) << place.name;
    EXPECT_EQ(placed->bounds, place.Box()) << place.name;
  }
  // Inside its 8 + 2 pixels of frame the memo fills the stored client area.
  EXPECT_EQ(l.Find("twResult")->client, testing_support::kResultWindowClient);
  EXPECT_EQ(l.Find("meResult")->font_height, -13);
  EXPECT_EQ(l.Find("MaskEdit1")->font_height, -11);
}

TEST_F(ScaledFormLayoutTest, AtTheStoredDensityTheAboutWindowIsAsStored) {
  const app::ScaledFormLayout l = app::LayOutScaled(*about_, DpiScale());
  EXPECT_EQ(l.client, (Size{343, 146}));
  EXPECT_EQ(At(l, "Panel1"), (std::vector<int>{0, 0, 343, 19}));
  EXPECT_EQ(At(l, "laButtomClose"), (std::vector<int>{324, 0, 17, 17}));
  EXPECT_EQ(At(l, "laLink1"), (std::vector<int>{104, 0, 91, 16}));
  EXPECT_EQ(At(l, "laLink2"), (std::vector<int>{8, 0, 62, 16}));
  EXPECT_EQ(At(l, "me"), (std::vector<int>{0, 19, 343, 127}));
  EXPECT_EQ(l.Find("me")->font_height, -10);
}

TEST_F(ScaledFormLayoutTest, AtOneAndAHalfTimesTheDensityTheFiguresRoundHalvesUp) {
  const app::ScaledFormLayout l = app::LayOutScaled(*main_, DpiScale(144));
  EXPECT_EQ(l.client, (Size{449, 294}));
  EXPECT_EQ(At(l, "Label2"), (std::vector<int>{11, 51, 207, 20}));
  EXPECT_EQ(At(l, "Label1"), (std::vector<int>{252, 51, 122, 20}));
  EXPECT_EQ(At(l, "RxDBLookupCombo1"), (std::vector<int>{8, 72, 218, 32}));
  EXPECT_EQ(At(l, "MaskEdit1"), (std::vector<int>{264, 72, 101, 29}));
  EXPECT_EQ(At(l, "StatusBar1"), (std::vector<int>{0, 265, 449, 29}));
  // The toolbar's dock keeps its stored 26 scaled (no measure); the bottom
  // dock is the result window's 93 -> 140 plus 3-pixel borders.
  EXPECT_EQ(At(l, "doTop"), (std::vector<int>{0, 0, 449, 39}));
  EXPECT_EQ(At(l, "doBott"), (std::vector<int>{0, 119, 449, 146}));
  EXPECT_EQ(l.Find("twResult")->client, (Size{449 - 2 * 3 - 9, 140}));
  EXPECT_EQ(l.Find("MaskEdit1")->font_height, -17);

  const app::ScaledFormLayout a = app::LayOutScaled(*about_, DpiScale(144));
  EXPECT_EQ(a.client, (Size{515, 219}));
  EXPECT_EQ(At(a, "Panel1"), (std::vector<int>{0, 0, 515, 29}));
  // Aligned right in the panel's client area inside its 1-pixel border.
  EXPECT_EQ(At(a, "laButtomClose"), (std::vector<int>{513 - 26, 0, 26, 27}));
  EXPECT_EQ(At(a, "me"), (std::vector<int>{0, 29, 515, 190}));
}

TEST_F(ScaledFormLayoutTest, AtTwiceTheDensityEveryStoredValueDoubles) {
  const app::ScaledFormLayout l = app::LayOutScaled(*main_, DpiScale(192));
  EXPECT_EQ(l.client, (Size{598, 392}));
  for (const char* name :
       {"doTop", "doBott", "StatusBar1", "Label2", "Label1", "RxDBLookupCombo1", "MaskEdit1"}) {
    const auto* control = dynamic_cast<const ui::TControl*>(main_->FindComponent(name));
    ASSERT_NE(control, nullptr) << name;
    EXPECT_EQ(At(l, name), (std::vector<int>{2 * control->left, 2 * control->top, 2 * control->width,
                                             2 * control->height}))
        << name;
  }
  EXPECT_EQ(l.Find("twResult")->client, (Size{2 * testing_support::kResultWindowClient.width,
                                              2 * testing_support::kResultWindowClient.height}));
  const app::ScaledFormLayout a = app::LayOutScaled(*about_, DpiScale(192));
  EXPECT_EQ(a.client, (Size{686, 292}));
  EXPECT_EQ(At(a, "Panel1"), (std::vector<int>{0, 0, 686, 38}));
  EXPECT_EQ(At(a, "me"), (std::vector<int>{0, 38, 686, 254}));
  EXPECT_EQ(At(a, "laLink1"), (std::vector<int>{208, 0, 182, 32}));
  // The panel's flat border is the system's 1 pixel at every density, so
  // the close mark aligned inside it is 2 pixels taller than twice 17.
  EXPECT_EQ(At(a, "laButtomClose"), (std::vector<int>{684 - 34, 0, 34, 36}));
}

TEST_F(ScaledFormLayoutTest, AtEveryDensityNoControlIsEmptyOverlapsASiblingOrLeavesItsParent) {
  for (ui::TForm* form : {static_cast<ui::TForm*>(main_), static_cast<ui::TForm*>(about_)}) {
    for (const int dpi : kDensities) {
      const app::ScaledFormLayout l = app::LayOutScaled(*form, DpiScale(dpi));
      ASSERT_FALSE(l.controls.empty());
      for (std::size_t i = 0; i < l.controls.size(); ++i) {
        const app::PlacedControl& a = l.controls[i];
        const std::string where = form->Name() + " at " + std::to_string(dpi) + ": " + a.control->Name();
        EXPECT_FALSE(a.bounds.Empty()) << where;
        const ui::TControl* parent = a.control->Parent();
        const Size area = parent == form ? l.client : l.Find(parent->Name())->client;
        EXPECT_TRUE(a.bounds.left >= 0 && a.bounds.top >= 0 && a.bounds.right <= area.width &&
                    a.bounds.bottom <= area.height)
            << where;
        for (std::size_t j = i + 1; j < l.controls.size(); ++j) {
          const app::PlacedControl& b = l.controls[j];
          if (b.control->Parent() != parent) continue;
          EXPECT_FALSE(a.bounds.Intersects(b.bounds)) << where << " and " << b.control->Name();
        }
      }
    }
  }
}

TEST_F(ScaledFormLayoutTest, TheToolbarsDockEndsAboveTheLabelsAndThePickerKeepsItsHeightRule) {
  for (const int dpi : kDensities) {
    const DpiScale scale(dpi);
    const app::ScaledFormLayout l = app::LayOutScaled(*main_, scale);
    EXPECT_LE(l.Find("doTop")->bounds.bottom, l.Find("Label2")->bounds.top) << dpi;
    EXPECT_LE(l.Find("Label2")->bounds.bottom, l.Find("RxDBLookupCombo1")->bounds.top) << dpi;
    EXPECT_LE(l.Find("RxDBLookupCombo1")->bounds.bottom, l.Find("doBott")->bounds.top) << dpi;
    // Character height plus the flat border on both sides plus 3.
    const app::PlacedControl& picker = *l.Find("RxDBLookupCombo1");
    EXPECT_GE(picker.bounds.Height(), std::abs(picker.font_height) + 2 + scale.Length(3)) << dpi;
  }
}

TEST_F(ScaledFormLayoutTest, AMeasuredToolbarSetsItsDocksThicknessAndAHiddenResultWindowCollapsesItsDock) {
  const app::ToolbarMeasure measure = [](const app::TTBToolbar&, app::TTBDockPosition) {
    return Size{150, 31};  // what a menu font might give at 144 dpi
  };
  main_->twResult->visible = false;
  const app::ScaledFormLayout l = app::LayOutScaled(*main_, DpiScale(144), measure);
  EXPECT_EQ(At(l, "TBToolbar1"), (std::vector<int>{0, 0, 150 + 6 + 9, 31 + 6}));
  EXPECT_EQ(At(l, "doTop"), (std::vector<int>{0, 0, 449, 37}));
  // Nothing else moves when a dock changes its thickness.
  EXPECT_EQ(At(l, "doBott"), (std::vector<int>{0, 265, 449, 0}));
  EXPECT_EQ(At(l, "StatusBar1"), (std::vector<int>{0, 265, 449, 29}));
  EXPECT_EQ(At(l, "Label2"), (std::vector<int>{11, 51, 207, 20}));
}

}  // namespace
