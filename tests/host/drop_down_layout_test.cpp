// The drop-down's rows for the 13-pixel menu font, where the pointer hits,
// and the text it answers to WM_GETTEXT.
#include "app/toolbar/drop_down_layout.h"

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

}  // namespace
