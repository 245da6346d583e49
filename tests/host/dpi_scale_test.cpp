// The one scaling rule: stored 96-dpi values to the pixels of a screen.
#include "ui/model/dpi_scale.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/common/main_window_layout.h"

namespace {

using base::Point;
using base::Rect;
using base::Size;
using ui::DpiScale;

TEST(DpiScale, TheStoredDensityKeepsEveryValue) {
  const DpiScale stored;
  EXPECT_EQ(stored.Dpi(), 96);
  EXPECT_TRUE(stored.Identity());
  for (const int v :
       {0, 1, -1, 7, -11, 299, 100000, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()}) {
    EXPECT_EQ(stored.Length(v), v);
    EXPECT_EQ(stored.Position(v), v);
  }
  EXPECT_EQ(stored.Scale(Rect{5, 48, 150, 69}), (Rect{5, 48, 150, 69}));
}

TEST(DpiScale, RoundsHalvesAwayFromZeroOnBothSides) {
  const DpiScale one_and_a_half(144);
  EXPECT_EQ(one_and_a_half.Position(7), 11);     // 10.5
  EXPECT_EQ(one_and_a_half.Position(-7), -11);   // -10.5
  EXPECT_EQ(one_and_a_half.Position(299), 449);  // 448.5
  EXPECT_EQ(one_and_a_half.Position(13), 20);    // 19.5
  EXPECT_EQ(one_and_a_half.Position(-13), -20);
  EXPECT_EQ(one_and_a_half.Position(10), 15);
  const DpiScale five_quarters(120);
  EXPECT_EQ(five_quarters.Position(2), 3);  // 2.5
  EXPECT_EQ(five_quarters.Position(-2), -3);
  EXPECT_EQ(five_quarters.Position(1), 1);  // 1.25
  EXPECT_EQ(five_quarters.Position(3), 4);  // 3.75
  EXPECT_EQ(five_quarters.Position(-3), -4);
  const DpiScale three_quarters(72);
  EXPECT_EQ(three_quarters.Position(2), 2);  // 1.5
  EXPECT_EQ(three_quarters.Position(-2), -2);
  EXPECT_EQ(three_quarters.Position(1), 1);  // 0.75
  EXPECT_EQ(three_quarters.Position(5), 4);  // 3.75
  EXPECT_EQ(DpiScale(192).Position(-11), -22);
  EXPECT_EQ(DpiScale(480).Position(3), 15);
}

TEST(DpiScale, ANonZeroLengthStaysAtLeastOnePixelAPositionMayVanish) {
  const DpiScale quarter(24);
  EXPECT_EQ(quarter.Position(1), 0);  // 0.25
  EXPECT_EQ(quarter.Length(1), 1);
  EXPECT_EQ(quarter.Length(-1), -1);
  EXPECT_EQ(quarter.Length(0), 0);
  EXPECT_EQ(quarter.Length(2), 1);  // 0.5 rounds away from zero by itself
  EXPECT_EQ(quarter.FontHeight(-1), -1);
  EXPECT_EQ(quarter.FontHeight(0), 0);  // the default font stays the default
  EXPECT_EQ(quarter.Scale(Size{1, 3}), (Size{1, 1}));
}

TEST(DpiScale, FontHeightsKeepTheirSign) {
  EXPECT_EQ(DpiScale(144).FontHeight(-11), -17);  // character height 16.5
  EXPECT_EQ(DpiScale(144).FontHeight(13), 20);    // cell height 19.5
  EXPECT_EQ(DpiScale(120).FontHeight(-10), -13);  // 12.5
  EXPECT_EQ(DpiScale(192).FontHeight(-13), -26);
}

TEST(DpiScale, ARectangleKeepsItsScaledSizeWhereverItStands) {
  const DpiScale s(144);
  // The name picker: 5, 48, 145 x 21. Its edges scaled one by one would
  // make it 217 wide; its size scaled is 218.
  const Rect picker = s.Scale(testing_support::StoredPlaceOf("RxDBLookupCombo1").Box());
  EXPECT_EQ(picker.TopLeft(), (Point{8, 72}));
  EXPECT_EQ(picker.Extent(), (Size{218, 32}));
  EXPECT_EQ(s.Scale(Point{-5, 48}), (Point{-8, 72}));
}

TEST(DpiScale, NonsenseDensitiesAreClampedAndRecognised) {
  EXPECT_FALSE(DpiScale::Plausible(0));
  EXPECT_FALSE(DpiScale::Plausible(-96));
  EXPECT_FALSE(DpiScale::Plausible(DpiScale::kMaxDpi + 1));
  EXPECT_TRUE(DpiScale::Plausible(72));
  EXPECT_TRUE(DpiScale::Plausible(480));
  EXPECT_EQ(DpiScale(0).Dpi(), DpiScale::kMinDpi);
  EXPECT_EQ(DpiScale(-5).Dpi(), DpiScale::kMinDpi);
  EXPECT_EQ(DpiScale(1 << 30).Dpi(), DpiScale::kMaxDpi);
  // A length scaled at the clamped density is still a length.
  EXPECT_EQ(DpiScale(0).Length(3), 1);
}

TEST(DpiScale, ResultsBeyondAnIntSaturate) {
  const DpiScale s(DpiScale::kMaxDpi);
  EXPECT_EQ(s.Length(std::numeric_limits<int>::max()), std::numeric_limits<int>::max());
  EXPECT_EQ(s.Length(std::numeric_limits<int>::min()), std::numeric_limits<int>::min());
  EXPECT_EQ(s.Length(1000), 20000);
}

TEST(DpiScale, TwiceTheDensityIsTwiceEveryValueAndMoreNeverGivesLess) {
  for (int v = -400; v <= 400; ++v) {
    EXPECT_EQ(DpiScale(192).Position(v), 2 * v);
    EXPECT_EQ(DpiScale(480).Position(v), 5 * v);
    int previous = DpiScale(DpiScale::kMinDpi).Length(v);
    for (const int dpi : {48, 72, 96, 120, 144, 168, 192, 240, 288, 480}) {
      const int now = DpiScale(dpi).Length(v);
      if (v >= 0) {
        EXPECT_GE(now, previous) << v << " at " << dpi;
      } else {
        EXPECT_LE(now, previous) << v << " at " << dpi;
      }
      EXPECT_EQ(DpiScale(dpi).Length(-v), -now) << "symmetric " << v << " at " << dpi;
      previous = now;
    }
  }
}

}  // namespace
