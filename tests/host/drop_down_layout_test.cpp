// The drop-down's rows for the 13-pixel menu font, where the pointer hits,
// and the text it answers to WM_GETTEXT.
#include "app/menus/drop_down_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "text/literal.h"

namespace {

using app::DropDownRow;
using app::Point;
using app::Rect;

TEST(DropDownLayoutTest, OneItemForTheMenuFont) {
  const DropDownRow rows[] = {{false, 100}};
  const app::DropDownLayout layout = app::LayOutDropDown(rows, 13);
  // Frame 1 + image column 24 + gap 8 + text 100 + end margin 16 + frame 1;
  // frame 1 + item 22 + frame 1.
  EXPECT_EQ(layout.size, (app::Size{150, 24}));
  ASSERT_EQ(layout.rows.size(), 1u);
  const app::DropDownRowPlace& row = layout.rows[0];
  EXPECT_EQ(row.row, (Rect{1, 1, 149, 23}));
  EXPECT_EQ(row.highlight, (Rect{2, 1, 148, 23}));
  EXPECT_EQ(row.image, (Rect{1, 1, 25, 23}));
  EXPECT_EQ(row.check, (Rect{3, 2, 23, 22}));
  EXPECT_EQ(row.text, (Rect{33, 1, 133, 23}));
  EXPECT_FALSE(row.separator);
}

TEST(DropDownLayoutTest, RowsStackAndTheWidestTextSetsTheWidth) {
  const DropDownRow rows[] = {{false, 40}, {true, 500}, {false, 90}};
  const app::DropDownLayout layout = app::LayOutDropDown(rows, 13);
  EXPECT_EQ(layout.size, (app::Size{1 + 24 + 8 + 90 + 16 + 1, 1 + 22 + 7 + 22 + 1}));
  EXPECT_EQ(layout.rows[1].row, (Rect{1, 23, 139, 30}));
  EXPECT_EQ(layout.rows[1].line, (Rect{33, 26, 137, 27}));  // a separator's text width counts for nothing
  EXPECT_TRUE(layout.rows[1].separator);
  EXPECT_EQ(layout.rows[2].row, (Rect{1, 30, 139, 52}));

  EXPECT_EQ(layout.ItemAt(Point{1, 1}), 0);
  EXPECT_EQ(layout.ItemAt(Point{138, 22}), 0);
  EXPECT_EQ(layout.ItemAt(Point{50, 26}), -1);  // the separator
  EXPECT_EQ(layout.ItemAt(Point{50, 30}), 2);
  EXPECT_EQ(layout.ItemAt(Point{50, 51}), 2);
  EXPECT_EQ(layout.ItemAt(Point{50, 52}), -1);  // the frame
  EXPECT_EQ(layout.ItemAt(Point{0, 10}), -1);
  EXPECT_EQ(layout.ItemAt(Point{139, 10}), -1);
}

TEST(DropDownLayoutTest, AnEmptyMenuIsItsFrameAroundTheMargins) {
  const app::DropDownLayout layout = app::LayOutDropDown({}, 13);
  EXPECT_EQ(layout.size, (app::Size{1 + 24 + 8 + 16 + 1, 2}));
  EXPECT_TRUE(layout.rows.empty());
  EXPECT_EQ(layout.ItemAt(Point{5, 1}), -1);
}

TEST(DropDownLayoutTest, TheTextIsTheCaptionsByTabsWithCheckedOnesMarked) {
  constexpr auto kExit = text::Cp1251(u8"Выход");
  constexpr auto kPanel = text::Cp1251(u8"Панель результата");
  app::TTBItem exit(nullptr), panel(nullptr);
  exit.caption = kExit.str();
  panel.caption = kPanel.str();
  panel.checked = true;
  app::TTBItem* one[] = {&panel};
  EXPECT_EQ(app::DropDownText(one), kPanel.str() + " [x]");
  panel.checked = false;
  EXPECT_EQ(app::DropDownText(one), kPanel.view());
  app::TTBItem* two[] = {&exit, nullptr, &panel};
  EXPECT_EQ(app::DropDownText(two), kExit.str() + "\t" + kPanel.str());
  EXPECT_EQ(app::DropDownText({}), "");
}

TEST(DropDownLayoutTest, EveryPointOfTheWindowBelongsToARowSeparatorsToo) {
  const DropDownRow rows[] = {{false, 40}, {true, 0}, {false, 90}};
  const app::DropDownLayout layout = app::LayOutDropDown(rows, 13);  // 140 x 53
  EXPECT_EQ(layout.RowAt(Point{50, 26}), 1);
  EXPECT_EQ(layout.RowAt(Point{0, 10}), 0);     // the frame beside a row
  EXPECT_EQ(layout.RowAt(Point{70, 0}), 0);     // the frame above the first
  EXPECT_EQ(layout.RowAt(Point{70, 52}), 2);    // the frame below the last
  EXPECT_EQ(layout.RowAt(Point{139, 30}), 2);   // the right frame
  EXPECT_EQ(layout.RowAt(Point{140, 30}), -1);  // outside
  EXPECT_EQ(layout.RowAt(Point{-1, 30}), -1);
  EXPECT_EQ(layout.RowAt(Point{70, 53}), -1);
  EXPECT_EQ(app::LayOutDropDown({}, 13).RowAt(Point{1, 1}), -1);
}

TEST(DropDownLayoutTest, ADropDownGoesUnderItsButtonAndStaysOnTheWorkArea) {
  const Rect work{0, 0, 800, 600};
  const app::Size size{150, 48};
  // Under the button, left edges aligned.
  EXPECT_EQ(app::PlaceDropDown(Rect{100, 30, 170, 52}, size, work, true), (Rect{100, 52, 250, 100}));
  // No room below: above the button.
  EXPECT_EQ(app::PlaceDropDown(Rect{100, 560, 170, 582}, size, work, true), (Rect{100, 512, 250, 560}));
  // No room on either side: below, as it is.
  EXPECT_EQ(app::PlaceDropDown(Rect{100, 30, 170, 52}, app::Size{150, 590}, work, true),
            (Rect{100, 52, 250, 642}));
  // Moved back from the right edge, and to the left edge when too wide.
  EXPECT_EQ(app::PlaceDropDown(Rect{700, 30, 713, 52}, size, work, true), (Rect{650, 52, 800, 100}));
  EXPECT_EQ(app::PlaceDropDown(Rect{700, 30, 713, 52}, app::Size{900, 48}, work, true),
            (Rect{0, 52, 900, 100}));
  // A work area that does not start at 0 (a second monitor).
  EXPECT_EQ(app::PlaceDropDown(Rect{-50, 30, 20, 52}, size, Rect{-800, 0, 0, 600}, true),
            (Rect{-150, 52, 0, 100}));
}

TEST(DropDownLayoutTest, OnAnUprightBarItGoesBesideTheButton) {
  const Rect work{0, 0, 800, 600};
  const app::Size size{150, 48};
  EXPECT_EQ(app::PlaceDropDown(Rect{0, 100, 62, 122}, size, work, false), (Rect{62, 100, 212, 148}));
  EXPECT_EQ(app::PlaceDropDown(Rect{738, 100, 800, 122}, size, work, false), (Rect{588, 100, 738, 148}));
  EXPECT_EQ(app::PlaceDropDown(Rect{738, 580, 800, 600}, size, work, false), (Rect{588, 552, 738, 600}));
}

}  // namespace
