// Fitting the toolbar's items into its length: the chevron appears exactly
// when the items stop fitting, and takes its room from the items.
#include "app/toolbar/toolbar_fit.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "app/docking/dock_layout.h"

namespace {

using app::FitToolbar;
using app::kChevronWidth;

// The program's three text items as the 13-pixel menu font measures them:
// "Работаем", "Показать", "O...".
const std::vector<int> kItems = {62, 62, 30};
constexpr int kAll = 62 + 62 + 30;

TEST(ToolbarFitTest, TextItemSizeAddsTheMargins) {
  EXPECT_EQ(app::TextItemSize(50, 13), (app::ItemSize{62, 22}));
  EXPECT_EQ(app::TextItemSize(0, 0), (app::ItemSize{12, 9}));
}

TEST(ToolbarFitTest, AnExactFitNeedsNoChevronAndOnePixelLessBringsIt) {
  app::ToolbarFit fit = FitToolbar(kItems, kAll);
  EXPECT_EQ(fit.shown, 3);
  EXPECT_FALSE(fit.chevron);
  fit = FitToolbar(kItems, kAll + 100);
  EXPECT_EQ(fit.shown, 3);
  EXPECT_FALSE(fit.chevron);

  fit = FitToolbar(kItems, kAll - 1);
  EXPECT_TRUE(fit.chevron);
  EXPECT_EQ(fit.shown, 2);  // "O..." goes to the chevron
  EXPECT_EQ(fit.chevron_offset, kAll - 1 - kChevronWidth);
}

TEST(ToolbarFitTest, TheChevronsRoomComesOffTheItems) {
  // Two items and the chevron exactly: both stay.
  EXPECT_EQ(FitToolbar(kItems, 124 + kChevronWidth).shown, 2);
  // One pixel less: the second leaves too.
  EXPECT_EQ(FitToolbar(kItems, 124 + kChevronWidth - 1).shown, 1);
  EXPECT_EQ(FitToolbar(kItems, 62 + kChevronWidth).shown, 1);
  EXPECT_EQ(FitToolbar(kItems, 62 + kChevronWidth - 1).shown, 0);
}

TEST(ToolbarFitTest, ItemsLeaveInOrderEvenWhenALaterOneWouldFit) {
  const std::vector<int> items = {40, 80, 10};
  // One pixel short of all three; room for 40 + 10 beside the chevron, but not 40 + 80.
  const app::ToolbarFit fit = FitToolbar(items, 40 + 80 + 10 - 1);
  EXPECT_EQ(fit.shown, 1);
  EXPECT_TRUE(fit.chevron);
}

TEST(ToolbarFitTest, ATooShortBarKeepsOnlyTheChevronAndNoItemsNeedNone) {
  for (const int available : {kChevronWidth, 5, 0, -20, INT_MIN}) {
    const app::ToolbarFit fit = FitToolbar(kItems, available);
    EXPECT_EQ(fit.shown, 0) << available;
    EXPECT_TRUE(fit.chevron) << available;
    EXPECT_EQ(fit.chevron_offset, 0) << available;
  }
  EXPECT_FALSE(FitToolbar({}, 0).chevron);
  EXPECT_FALSE(FitToolbar({}, -5).chevron);
  // Empty items fit anywhere; huge ones sum without overflow.
  EXPECT_FALSE(FitToolbar(std::vector<int>{0, 0}, 0).chevron);
  const std::vector<int> huge = {INT_MAX, INT_MAX, 1};
  EXPECT_EQ(FitToolbar(huge, INT_MAX).shown, 0);
  EXPECT_EQ(FitToolbar(huge, INT_MAX).chevron_offset, INT_MAX - kChevronWidth);
}

TEST(ToolbarFitTest, TheLayoutPlacesTheButtonsAlongTheBarAndTheChevronAtItsEnd) {
  const app::ItemSize sizes[] = {{62, 22}, {62, 22}, {30, 21}};
  app::ToolbarLayout layout = app::LayOutToolbar(sizes, true, app::kUnlimitedLength);
  ASSERT_EQ(layout.buttons.size(), 3u);
  EXPECT_EQ(layout.buttons[0], (app::Rect{0, 0, 62, 22}));
  EXPECT_EQ(layout.buttons[2], (app::Rect{124, 0, 154, 22}));  // as thick as the thickest
  EXPECT_TRUE(layout.chevron.Empty());
  EXPECT_EQ(layout.content, (app::Size{154, 22}));

  // One pixel short: "O..." leaves and the bar takes all it may have.
  layout = app::LayOutToolbar(sizes, true, 153);
  EXPECT_EQ(layout.buttons.size(), 2u);
  EXPECT_EQ(layout.chevron, (app::Rect{153 - kChevronWidth, 0, 153, 22}));
  EXPECT_EQ(layout.content, (app::Size{153, 22}));

  // Top to bottom, the heights run along the bar and the widest item sets its width.
  layout = app::LayOutToolbar(sizes, false, 22 + 22 + kChevronWidth);
  ASSERT_EQ(layout.buttons.size(), 2u);
  EXPECT_EQ(layout.buttons[1], (app::Rect{0, 22, 62, 44}));
  EXPECT_EQ(layout.chevron, (app::Rect{0, 44, 62, 44 + kChevronWidth}));
  EXPECT_EQ(layout.content, (app::Size{62, 44 + kChevronWidth}));
}

TEST(ToolbarFitTest, ABarShorterThanItsChevronStillAsksRoomForIt) {
  const app::ItemSize sizes[] = {{62, 22}};
  const app::ToolbarLayout layout = app::LayOutToolbar(sizes, true, 4);
  EXPECT_TRUE(layout.buttons.empty());
  EXPECT_EQ(layout.chevron, (app::Rect{0, 0, kChevronWidth, 22}));
  EXPECT_EQ(layout.content, (app::Size{kChevronWidth, 22}));
}

TEST(ToolbarFitTest, ABarWithoutItemsIs22By23DockedOrFloating) {
  for (const bool horizontal : {true, false}) {
    const app::ToolbarLayout layout = app::LayOutToolbar({}, horizontal, 100);
    EXPECT_EQ(layout.content, (app::Size{22, 23})) << horizontal;
    EXPECT_TRUE(layout.buttons.empty());
    EXPECT_TRUE(layout.chevron.Empty());
  }
  EXPECT_EQ(app::LayOutToolbar({}, true, app::kUnlimitedLength).content, (app::Size{22, 23}));
  EXPECT_EQ(app::FlowToolbar({}, 100).content, (app::Size{22, 23}));
  EXPECT_EQ(app::FloatingToolbarSize({}, app::Size{300, 5}, true), (app::Size{22, 23}));
  EXPECT_EQ(app::FloatingToolbarSize({}, app::Size{3, 300}, false), (app::Size{22, 23}));
  // Docked on top, its frame goes around that: 8 + 22 + 2 wide, 2 + 23 + 2 high.
  EXPECT_EQ(app::DockedOuterSize(app::LayOutToolbar({}, true, 299).content, app::TTBDockPosition::dpTop, 6),
            (app::Size{32, 27}));
}

TEST(ToolbarFitTest, AFloatingBarFlowsItsItemsIntoRowsOfTheGivenWidth) {
  // "Работаем", "Показать", "O..." at 22 pixels high.
  const std::vector<app::ItemSize> items{{64, 22}, {62, 22}, {30, 21}};
  // Wide enough for all: one row, no chevron.
  app::ToolbarLayout layout = app::FlowToolbar(items, 156);
  EXPECT_EQ(layout.fit.shown, 3);
  EXPECT_FALSE(layout.fit.chevron);
  EXPECT_EQ(layout.content, (app::Size{156, 22}));
  EXPECT_EQ(layout.buttons[2], (app::Rect{126, 0, 156, 22}));
  // One pixel less: the last item starts the second row, as high as the first.
  layout = app::FlowToolbar(items, 155);
  EXPECT_EQ(layout.content, (app::Size{126, 44}));
  EXPECT_EQ(layout.buttons[2], (app::Rect{0, 22, 30, 44}));
  // Narrower than every item: one item a row, each wider than the width.
  layout = app::FlowToolbar(items, 10);
  EXPECT_EQ(layout.content, (app::Size{64, 66}));
  EXPECT_EQ(layout.buttons[1], (app::Rect{0, 22, 62, 44}));
}

TEST(ToolbarFitTest, AFloatingBarResizedTakesTheSizeOfItsFlow) {
  const std::vector<app::ItemSize> items{{64, 22}, {62, 22}, {30, 22}};
  // By the width: the height follows the rows.
  EXPECT_EQ(app::FloatingToolbarSize(items, app::Size{140, 5}, true), (app::Size{126, 44}));
  EXPECT_EQ(app::FloatingToolbarSize(items, app::Size{100, 500}, true), (app::Size{92, 44}));
  EXPECT_EQ(app::FloatingToolbarSize(items, app::Size{91, 5}, true), (app::Size{64, 66}));
  // By the height: as many rows as fit, the narrowest flow with no more.
  EXPECT_EQ(app::FloatingToolbarSize(items, app::Size{10, 66}, false), (app::Size{64, 66}));
  EXPECT_EQ(app::FloatingToolbarSize(items, app::Size{10, 65}, false), (app::Size{92, 44}));
  EXPECT_EQ(app::FloatingToolbarSize(items, app::Size{10, 44}, false), (app::Size{92, 44}));
  EXPECT_EQ(app::FloatingToolbarSize(items, app::Size{10, 43}, false), (app::Size{156, 22}));
  // Less than a row still keeps one.
  EXPECT_EQ(app::FloatingToolbarSize(items, app::Size{10, 3}, false), (app::Size{156, 22}));
}

}  // namespace
