// The toolbar's items, its chevron and the drop-down menus at other
// densities than the stored one: every margin and frame scaled from its
// stored value, the glyphs by whole factors, the text measured at the density, nothing overlapping
// and nothing vanishing at 72 or at 480 pixels per inch.
#include <gtest/gtest.h>

#include <vector>

#include "app/menus/drop_down_layout.h"
#include "app/menus/tb_item.h"
#include "app/skin/glyph_scale.h"
#include "app/toolbar/toolbar_fit.h"
#include "ui/model/dpi_scale.h"

namespace {

using app::DropDownRow;
using app::ItemSize;
using app::Rect;
using app::Size;
using ui::DpiScale;

constexpr int kDensities[] = {72, 96, 120, 144, 192, 480};

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

TEST(ScaledToolbar, TextItemsTakeScaledMarginsAroundTheirMeasuredText) {
  EXPECT_EQ(app::TextItemSize(50, 13, DpiScale(96)), (ItemSize{62, 22}));
  EXPECT_EQ(app::TextItemSize(75, 20, DpiScale(144)), (ItemSize{75 + 18, 20 + 14}));  // 13.5
  EXPECT_EQ(app::TextItemSize(100, 25, DpiScale(192)), (ItemSize{124, 43}));
  EXPECT_EQ(app::TextItemSize(62, 16, DpiScale(120)), (ItemSize{62 + 15, 16 + 11}));  // 11.25
  EXPECT_EQ(app::TextItemSize(0, 0, DpiScale(72)), (ItemSize{9, 7}));                 // 6.75
}

TEST(ScaledToolbar, TheChevronAndTheEmptyBarScale) {
  EXPECT_EQ(app::ChevronWidth(), app::kChevronWidth);
  EXPECT_EQ(app::ChevronWidth(DpiScale(144)), 20);  // 19.5
  EXPECT_EQ(app::ChevronWidth(DpiScale(192)), 26);
  EXPECT_EQ(app::EmptyToolbarSize(), app::kEmptyToolbarSize);
  EXPECT_EQ(app::EmptyToolbarSize(DpiScale(144)), (Size{33, 35}));  // 34.5
  const DpiScale s(144);
  const ItemSize sizes[] = {{93, 34}, {108, 34}, {48, 34}};
  // 220 pixels: the first two would fit without the chevron's 20, not with it.
  const app::ToolbarLayout narrow = app::LayOutToolbar(sizes, true, 220, s);
  EXPECT_EQ(narrow.fit.shown, 1);
  EXPECT_TRUE(narrow.fit.chevron);
  EXPECT_EQ(narrow.chevron, (Rect{200, 0, 220, 34}));
  EXPECT_EQ(app::LayOutToolbar(sizes, true, 221, s).fit.shown, 2);
  EXPECT_EQ(app::LayOutToolbar(sizes, true, 249, s).fit.shown, 3);
  EXPECT_EQ(app::LayOutToolbar({}, true, 100, s).content, (Size{33, 35}));
  EXPECT_EQ(app::FlowToolbar({}, 100, s).content, (Size{33, 35}));
  EXPECT_EQ(app::FloatingToolbarSize({}, {50, 50}, false, s), (Size{33, 35}));
}

TEST(ScaledToolbar, BarsAtEveryDensityKeepTheirButtonsApartAndNonEmpty) {
  for (const int dpi : kDensities) {
    const DpiScale s(dpi);
    // Texts of 50, 62 and 20 stored pixels in a font 13 high, scaled.
    std::vector<ItemSize> sizes;
    for (const int text : {50, 62, 20}) sizes.push_back(app::TextItemSize(s.Length(text), s.Length(13), s));
    for (const int available : {app::kUnlimitedLength, s.Length(150), s.Length(30), 1}) {
      const app::ToolbarLayout layout = app::LayOutToolbar(sizes, true, available, s);
      std::vector<Rect> all = layout.buttons;
      if (layout.fit.chevron) all.push_back(layout.chevron);
      for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_GT(all[i].Width(), 0) << dpi << " " << available;
        EXPECT_GT(all[i].Height(), 0) << dpi << " " << available;
        for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(Overlap(all[i], all[j])) << dpi << " " << available;
      }
      EXPECT_GT(layout.content.width, 0) << dpi;
      EXPECT_GT(layout.content.height, 0) << dpi;
    }
  }
}

TEST(ScaledGlyphs, WholeFactorsRoundTheDensityRatio) {
  const std::pair<int, int> factors[] = {{24, 1},  {72, 1},  {96, 1},  {120, 1}, {143, 1},
                                         {144, 2}, {192, 2}, {239, 2}, {240, 3}, {480, 5}};
  for (const auto& [dpi, factor] : factors) EXPECT_EQ(app::GlyphFactor(DpiScale(dpi)), factor) << dpi;
}

TEST(ScaledDropDown, AtTheStoredDensityTheMenuIsAsBefore) {
  const DropDownRow rows[] = {{false, 100}, {true, 0}, {false, 40}};
  const app::DropDownLayout stored = app::LayOutDropDown(rows, 13);
  const app::DropDownLayout same = app::LayOutDropDown(rows, 13, DpiScale(96));
  EXPECT_EQ(same.size, stored.size);
  EXPECT_EQ(same.frames.window, 1);
  EXPECT_EQ(same.frames.item, 1);
  ASSERT_EQ(same.rows.size(), 3u);
  EXPECT_EQ(same.rows[1].line, (Rect{33, 26, 147, 27}));  // the separator's line at its middle
  // The check mark as it was drawn: seven 1-pixel columns of 3-pixel strokes.
  const std::vector<Rect> mark = app::CheckMarkStrokes(Rect{3, 2, 23, 22});
  const int tops[] = {2, 3, 4, 3, 2, 1, 0};
  ASSERT_EQ(mark.size(), 7u);
  for (int c = 0; c < 7; ++c) EXPECT_EQ(mark[c], (Rect{9 + c, 8 + tops[c], 10 + c, 11 + tops[c]})) << c;
}

TEST(ScaledDropDown, MarginsSeparatorsAndFramesScale) {
  EXPECT_EQ(app::CheckMarkStrokes(Rect{5, 4, 36, 34}, DpiScale(144)).front(), (Rect{13, 16, 15, 22}));
  const DpiScale s(144);
  const DropDownRow rows[] = {{false, 150}, {true, 0}, {false, 60}};
  // The menu font 20 high at 144: items 20 + 14, the image column 34 + 3.
  const app::DropDownLayout layout = app::LayOutDropDown(rows, 20, s);
  EXPECT_EQ(layout.frames.window, 2);
  EXPECT_EQ(layout.frames.item, 2);
  ASSERT_EQ(layout.rows.size(), 3u);
  const app::DropDownRowPlace& first = layout.rows[0];
  EXPECT_EQ(first.row, (Rect{2, 2, 2 + 37 + 12 + 150 + 24, 36}));
  EXPECT_EQ(first.image, (Rect{2, 2, 39, 36}));
  EXPECT_EQ(first.highlight, (Rect{4, 2, first.row.right - 2, 36}));
  EXPECT_EQ(first.check, (Rect{5, 4, 36, 34}));
  EXPECT_EQ(first.text, (Rect{51, 2, 201, 36}));
  const app::DropDownRowPlace& separator = layout.rows[1];
  EXPECT_EQ(separator.row.Height(), 11);  // 10.5
  EXPECT_EQ(separator.line, (Rect{51, 36 + 5, first.row.right - 3, 36 + 7}));
  EXPECT_EQ(layout.size, (Size{first.row.right + 2, 36 + 11 + 34 + 2}));
}

TEST(ScaledDropDown, EveryDensityStacksRowsInsideTheFrameAndTheMarkInItsSquare) {
  const DropDownRow rows[] = {{false, 0}, {true, 0}, {false, 300}, {true, 0}, {true, 0}, {false, 7}};
  for (const int dpi : kDensities) {
    const DpiScale s(dpi);
    const app::DropDownLayout layout = app::LayOutDropDown(rows, s.Length(13), s);
    const Rect inside = Rect::At({}, layout.size).Grown(-layout.frames.window);
    int top = inside.top;
    for (std::size_t i = 0; i < layout.rows.size(); ++i) {
      const app::DropDownRowPlace& row = layout.rows[i];
      EXPECT_EQ(row.row.top, top) << dpi << " row " << i;  // no gap, no overlap
      EXPECT_GT(row.row.Height(), 0) << dpi;
      EXPECT_TRUE(Inside(row.row, inside)) << dpi << " row " << i;
      top = row.row.bottom;
      if (row.separator) {
        EXPECT_GT(row.line.Height(), 0) << dpi;
        EXPECT_TRUE(Inside(row.line, row.row)) << dpi;
        continue;
      }
      EXPECT_TRUE(Inside(row.check, row.image)) << dpi;
      EXPECT_FALSE(Overlap(row.image, row.text)) << dpi;
      const std::vector<Rect> mark = app::CheckMarkStrokes(row.check, s);
      ASSERT_EQ(mark.size(), 7u);
      const int k = app::GlyphFactor(s);
      EXPECT_EQ(mark.back().right - mark.front().left, 7 * k) << dpi;
      for (std::size_t c = 0; c < mark.size(); ++c) {
        EXPECT_EQ(mark[c].Width(), k) << dpi << " column " << c;
        EXPECT_EQ(mark[c].Height(), 3 * k) << dpi;
        EXPECT_TRUE(Inside(mark[c], row.check)) << dpi << " column " << c;
        if (c > 0) {
          EXPECT_EQ(mark[c].left, mark[c - 1].right) << dpi;  // the columns meet
        }
      }
    }
    EXPECT_EQ(top, inside.bottom) << dpi;
  }
}

}  // namespace
