// Where a status bar puts its panels, texts and size grip, what a point hits
// and the text it answers, for the main window's bar and for bars of several
// panels of each bevel.
#include "ui/controls/status_bar/status_bar_layout.h"

#include <gtest/gtest.h>

#include "ui/model/dpi_scale.h"

namespace {

using BarRect = base::Rect;
using ui::StatusBarLayout;
using ui::StatusBarMetrics;
using ui::TAlignment;
using ui::TStatusPanelBevel;

void AddPanel(ui::TStatusBar& bar, int width, TStatusPanelBevel bevel, TAlignment alignment,
              const char* text) {
  auto& panel = static_cast<ui::TStatusPanel&>(bar.panels.Add());
  panel.width = width;
  panel.bevel = bevel;
  panel.alignment = alignment;
  panel.text = text;
}

constexpr StatusBarMetrics kMainBar{299, 19, 17, 17, 16, true};

TEST(StatusBarLayoutTest, OnePanelFillsTheBarBelowTheTopStrip) {
  ui::TStatusBar bar(nullptr);
  AddPanel(bar, 50, TStatusPanelBevel::pbLowered, TAlignment::taLeftJustify, "Made 2003. Data");
  const StatusBarLayout layout(bar, kMainBar, true);
  ASSERT_EQ(layout.Parts().size(), 1u);
  // The stored width has no effect on the last panel.
  EXPECT_EQ(layout.Parts()[0].frame, (BarRect{0, 2, 299, 19}));
  // Inside the one-pixel bevel, 3 pixels in from its left.
  EXPECT_EQ(layout.Parts()[0].text, (BarRect{4, 3, 298, 18}));
  EXPECT_EQ(layout.Text(), "Made 2003. Data");
  // The grip at its size in the corner.
  EXPECT_TRUE(layout.HasGrip());
  EXPECT_EQ(layout.GripBox(), (BarRect{282, 2, 299, 19}));
}

TEST(StatusBarLayoutTest, PanelsFollowWithGapsAndTheLastReachesTheRightEdge) {
  ui::TStatusBar bar(nullptr);
  AddPanel(bar, 60, TStatusPanelBevel::pbRaised, TAlignment::taCenter, "one");
  AddPanel(bar, 40, TStatusPanelBevel::pbNone, TAlignment::taRightJustify, "two");
  AddPanel(bar, 10, TStatusPanelBevel::pbLowered, TAlignment::taLeftJustify, "");
  const StatusBarLayout layout(bar, StatusBarMetrics{300, 25, 18, 16, 17, true}, false);
  ASSERT_EQ(layout.Parts().size(), 3u);
  // Each stored width ends where the sum of the widths so far says.
  EXPECT_EQ(layout.Parts()[0].frame, (BarRect{0, 2, 60, 25}));
  EXPECT_EQ(layout.Parts()[1].frame, (BarRect{62, 2, 100, 25}));
  EXPECT_EQ(layout.Parts()[2].frame, (BarRect{102, 2, 300, 25}));
  EXPECT_EQ(layout.Parts()[0].text, (BarRect{4, 3, 59, 24}));
  // No bevel: only the inset.
  EXPECT_EQ(layout.Parts()[1].text, (BarRect{65, 2, 100, 25}));
  EXPECT_EQ(layout.Parts()[0].bevel, TStatusPanelBevel::pbRaised);
  EXPECT_EQ(layout.Parts()[1].alignment, TAlignment::taRightJustify);
  EXPECT_EQ(layout.Text(), "one\ttwo\t");

  EXPECT_EQ(layout.PartAt(0, 2), 0);
  EXPECT_EQ(layout.PartAt(59, 24), 0);
  EXPECT_EQ(layout.PartAt(60, 10), -1);  // the gap
  EXPECT_EQ(layout.PartAt(62, 10), 1);
  EXPECT_EQ(layout.PartAt(299, 10), 2);
  EXPECT_EQ(layout.PartAt(10, 1), -1);  // the top strip
  EXPECT_EQ(layout.PartAt(300, 10), -1);
  // Without the grip no point sizes the window.
  EXPECT_FALSE(layout.HasGrip());
  EXPECT_FALSE(layout.OnGrip(299, 24));
}

TEST(StatusBarLayoutTest, GripHitIsTheScrollBarWideColumnAtTheRightEnd) {
  ui::TStatusBar bar(nullptr);
  AddPanel(bar, 50, TStatusPanelBevel::pbLowered, TAlignment::taLeftJustify, "x");
  const StatusBarLayout layout(bar, StatusBarMetrics{200, 19, 17, 17, 16, true}, true);
  EXPECT_TRUE(layout.OnGrip(184, 0));
  EXPECT_TRUE(layout.OnGrip(199, 18));
  EXPECT_FALSE(layout.OnGrip(183, 18));
  EXPECT_FALSE(layout.OnGrip(200, 10));
  EXPECT_FALSE(layout.OnGrip(190, 19));
}

TEST(StatusBarLayoutTest, SimpleOrEmptyBarIsOneLoweredPanel) {
  ui::TStatusBar bar(nullptr);
  const StatusBarLayout empty(bar, kMainBar, false);
  ASSERT_EQ(empty.Parts().size(), 1u);
  EXPECT_EQ(empty.Parts()[0].frame, (BarRect{0, 2, 299, 19}));
  EXPECT_EQ(empty.Parts()[0].bevel, TStatusPanelBevel::pbLowered);
  EXPECT_EQ(empty.Text(), "");

  AddPanel(bar, 50, TStatusPanelBevel::pbRaised, TAlignment::taCenter, "hidden");
  AddPanel(bar, 50, TStatusPanelBevel::pbRaised, TAlignment::taCenter, "too");
  bar.simple_panel = true;
  const StatusBarLayout simple(bar, kMainBar, false);
  ASSERT_EQ(simple.Parts().size(), 1u);
  EXPECT_EQ(simple.Parts()[0].bevel, TStatusPanelBevel::pbLowered);
  EXPECT_EQ(simple.Text(), "");
}

TEST(StatusBarLayoutTest, StylePanesTakeNoBevelFromTheText) {
  ui::TStatusBar bar(nullptr);
  AddPanel(bar, 50, TStatusPanelBevel::pbLowered, TAlignment::taLeftJustify, "a");
  AddPanel(bar, 50, TStatusPanelBevel::pbRaised, TAlignment::taCenter, "b");
  const StatusBarLayout layout(bar, StatusBarMetrics{200, 19, 12, 12, 16, false}, true);
  EXPECT_EQ(layout.Parts()[0].text, (BarRect{3, 2, 50, 19}));
  EXPECT_EQ(layout.Parts()[1].text, (BarRect{55, 2, 200, 19}));
  EXPECT_EQ(layout.GripBox(), (BarRect{188, 7, 200, 19}));
  // The hit column keeps the scroll-bar width.
  EXPECT_TRUE(layout.OnGrip(184, 3));
}

// The main window's bar at the densities of common screens and at two odd
// ones, as the view gives it: its size and the panel widths scaled, the
// system's scroll bar and grip sizes of that density. The top strip, the
// gap, the bevel and the text inset stay the system control's pixels, and
// nothing collapses or overlaps.
TEST(StatusBarLayoutTest, AtEveryDensityTheScaledBarKeepsTheSystemControlsStripGapAndInset) {
  for (const int dpi : {72, 96, 120, 144, 192, 480}) {
    SCOPED_TRACE(dpi);
    const ui::DpiScale scale(dpi);
    ui::TStatusBar bar(nullptr);
    AddPanel(bar, scale.Length(60), TStatusPanelBevel::pbLowered, TAlignment::taLeftJustify, "one");
    AddPanel(bar, scale.Length(50), TStatusPanelBevel::pbLowered, TAlignment::taLeftJustify, "two");
    const int width = scale.Length(299), height = scale.Length(19);
    const int scroll = scale.Length(16);  // as the system's metric comes at that density
    const StatusBarLayout layout(bar, StatusBarMetrics{width, height, scroll + 1, scroll + 1, scroll, true},
                                 true);
    ASSERT_EQ(layout.Parts().size(), 2u);
    const base::Rect first = layout.Parts()[0].frame, second = layout.Parts()[1].frame;
    EXPECT_EQ(first, (BarRect{0, 2, scale.Length(60), height}));
    EXPECT_EQ(second, (BarRect{scale.Length(60) + 2, 2, width, height}));
    EXPECT_EQ(layout.Parts()[0].text, (BarRect{4, 3, first.right - 1, height - 1}));
    EXPECT_EQ(layout.GripBox(), (BarRect{width - scroll - 1, height - scroll - 1, width, height}));
    EXPECT_GT(layout.Parts()[0].text.Width(), 0);
    EXPECT_GT(layout.Parts()[0].text.Height(), 0);
    EXPECT_GE(layout.GripBox().top, 0);
    EXPECT_LT(first.right, second.left);
    EXPECT_TRUE(layout.OnGrip(width - 1, height - 1));
    EXPECT_FALSE(layout.OnGrip(width - scroll - 1, height - 1));
  }
}

TEST(StatusBarLayoutTest, TinyBarKeepsItsGripInside) {
  ui::TStatusBar bar(nullptr);
  AddPanel(bar, 50, TStatusPanelBevel::pbLowered, TAlignment::taLeftJustify, "x");
  const StatusBarLayout layout(bar, StatusBarMetrics{10, 1, 17, 17, 16, true}, true);
  EXPECT_EQ(layout.GripBox(), (BarRect{0, 0, 10, 1}));
  EXPECT_EQ(layout.Parts()[0].frame, (BarRect{0, 1, 10, 1}));
}

}  // namespace
