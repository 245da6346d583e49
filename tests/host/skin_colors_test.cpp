// The skin's 28 colours from the system colours: the stored values on the
// classic scheme, each colour's rule on other schemes (expectations worked
// out here with exact fractions, apart from the code under test), exact
// halves in blend, and the custom colour set.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "app/skin/skin_colors.h"
#include "app/skin/tb_skin.h"

namespace {

using app::Rgb;

// x as a reduced fraction, written from the decimal factors of the rules.
struct Fraction {
  int num;
  int den;
};

// (1 - x) a + x b, rounded to the nearest integer with an exact half going
// to the even neighbour.
int ExactBlend(int a, int b, Fraction x) {
  const int numerator = (x.den - x.num) * a + x.num * b;  // the value is numerator / den
  const int floor = numerator / x.den;
  const int twice_rest = 2 * (numerator - floor * x.den);
  if (twice_rest > x.den) return floor + 1;
  if (twice_rest == x.den) return floor % 2 == 0 ? floor : floor + 1;
  return floor;
}

Rgb B(Rgb a, Rgb b, Fraction x) {
  const auto c = [&](std::uint8_t p, std::uint8_t q) {
    return static_cast<std::uint8_t>(ExactBlend(p, q, x));
  };
  return Rgb{c(a.red, b.red), c(a.green, b.green), c(a.blue, b.blue)};
}

Rgb L(Rgb c, int p) {
  const auto f = [&](std::uint8_t v) { return static_cast<std::uint8_t>(v + (p * (255 - v)) / 100); };
  return Rgb{f(c.red), f(c.green), f(c.blue)};
}

Rgb D(Rgb c, int n) {
  const auto f = [&](std::uint8_t v) { return static_cast<std::uint8_t>(v > n ? v - n : 0); };
  return Rgb{f(c.red), f(c.green), f(c.blue)};
}

// Every colour by name, each from its own rule.
std::map<std::string, Rgb> Expected(const app::SystemColors& s) {
  const Rgb black{0, 0, 0};
  std::map<std::string, Rgb> e;
  e["tcFace"] = s.btn_face;
  e["tcPopup"] = B(s.window, s.btn_face, {3, 20});
  e["tcBorder"] = B(s.btn_shadow, black, {1, 5});
  e["tcToolbar"] = B(s.btn_face, s.window, {4, 25});
  e["tcImageList"] = B(s.btn_face, s.window, {4, 25});
  e["tcDockBorderIn"] = B(s.btn_shadow, black, {3, 20});
  e["tcDockBorderOut"] = B(s.btn_shadow, black, {3, 20});
  e["tcDockBorderTitle"] = s.btn_shadow;
  e["tcDragHandle"] = B(s.btn_shadow, s.window, {231, 1000});
  e["tcSelPushed"] = B(s.highlight, s.window, {601, 1000});
  e["tcChecked"] = B(e["tcSelPushed"], B(s.btn_face, s.window, {11, 25}), {397, 500});
  e["tcCheckedOver"] = e["tcSelPushed"];
  e["tcSelBar"] = B(s.highlight, s.window, {7, 10});
  e["tcSelBarBorder"] = s.highlight;
  e["tcSelItem"] = B(s.highlight, s.window, {7, 10});
  e["tcSelItemBorder"] = s.highlight;
  e["tcSelPushedBorder"] = s.highlight;
  e["tcSeparator"] = L(s.btn_shadow, 15);
  e["tcImgListShadow"] = B(s.highlight, s.btn_shadow, {701, 1000});
  e["tcGradStart"] = L(e["tcSelItem"], 70);
  e["tcGradEnd"] = e["tcSelItem"];
  e["tcPopupGradStart"] = e["tcImageList"];
  e["tcPopupGradEnd"] = L(e["tcImageList"], 70);
  e["tcImgGradStart"] = e["tcImageList"];
  e["tcImgGradEnd"] = D(e["tcImageList"], 50);
  e["tcMenuText"] = s.menu_text;
  e["tcHighlightText"] = s.highlight_text;
  e["tcCaptionText"] = s.highlight_text;
  return e;
}

void ExpectFollowsRules(const app::SystemColors& scheme) {
  const app::SkinRgb derived = app::DeriveSkinColors(scheme);
  const std::map<std::string, Rgb> expected = Expected(scheme);
  ASSERT_EQ(expected.size(), app::kSkinColorNames.size());
  for (std::size_t i = 0; i < app::kSkinColorNames.size(); ++i) {
    const std::string name(app::kSkinColorNames[i]);
    ASSERT_TRUE(expected.contains(name)) << name;
    const Rgb want = expected.at(name), got = derived[i];
    EXPECT_EQ(got, want) << name << ": " << int{got.red} << "," << int{got.green} << "," << int{got.blue}
                         << " instead of " << int{want.red} << "," << int{want.green} << ","
                         << int{want.blue};
  }
}

constexpr app::SystemColors kClassic{{212, 208, 200}, {255, 255, 255}, {128, 128, 128},
                                     {10, 36, 106},   {0, 0, 0},       {255, 255, 255}};

TEST(SkinColors, OnTheClassicSchemeEveryColourIsTheStoredValue) {
  // The values stored with the main window's skin, in kSkinColorNames order.
  constexpr std::array<Rgb, 28> kStored = {{
      {212, 208, 200}, {249, 248, 247}, {102, 102, 102}, {219, 216, 209}, {219, 216, 209}, {109, 109, 109},
      {109, 109, 109}, {128, 128, 128}, {157, 157, 157}, {216, 216, 218}, {157, 168, 196}, {182, 189, 210},
      {10, 36, 106},   {182, 189, 210}, {10, 36, 106},   {157, 168, 196}, {10, 36, 106},   {147, 147, 147},
      {93, 100, 121},  {233, 235, 241}, {182, 189, 210}, {219, 216, 209}, {244, 243, 241}, {219, 216, 209},
      {169, 166, 159}, {0, 0, 0},       {255, 255, 255}, {255, 255, 255},
  }};
  const app::SkinRgb derived = app::DeriveSkinColors(kClassic);
  for (std::size_t i = 0; i < kStored.size(); ++i)
    EXPECT_EQ(derived[i], kStored[i]) << app::kSkinColorNames[i];
  ExpectFollowsRules(kClassic);
}

TEST(SkinColors, OtherSchemesFollowEachRule) {
  // A grey scheme with a navy highlight and a coloured face.
  ExpectFollowsRules(
      {{192, 192, 192}, {255, 255, 240}, {128, 128, 128}, {0, 0, 128}, {0, 0, 0}, {255, 255, 255}});
  // A dark scheme: darken hits 0 and light text; highlight and window chosen
  // so several blends land exactly on a half.
  ExpectFollowsRules({{40, 44, 48}, {1, 2, 3}, {20, 24, 30}, {6, 255, 10}, {250, 250, 250}, {0, 0, 1}});
  // Every channel at its extremes.
  ExpectFollowsRules({{255, 0, 255}, {0, 255, 0}, {255, 255, 0}, {0, 0, 255}, {255, 0, 0}, {0, 255, 255}});
}

TEST(SkinColors, BlendRoundsAnExactHalfToEven) {
  EXPECT_EQ(app::BlendChannel(0, 1, 500), 0);       // 0.5
  EXPECT_EQ(app::BlendChannel(0, 3, 500), 2);       // 1.5
  EXPECT_EQ(app::BlendChannel(0, 5, 500), 2);       // 2.5
  EXPECT_EQ(app::BlendChannel(6, 1, 700), 2);       // 2.5; in doubles 0.3 * 6 + 0.7 comes out just above
  EXPECT_EQ(app::BlendChannel(10, 255, 700), 182);  // 181.5, the classic tcSelBar red
  EXPECT_EQ(app::BlendChannel(0, 10, 150), 2);      // 1.5 with tcPopup's factor
  EXPECT_EQ(app::BlendChannel(0, 30, 150), 4);      // 4.5
  EXPECT_EQ(app::BlendChannel(0, 31, 150), 5);      // 4.65
  EXPECT_EQ(app::BlendChannel(0, 29, 150), 4);      // 4.35
  EXPECT_EQ(app::BlendChannel(200, 7, 0), 200);
  EXPECT_EQ(app::BlendChannel(200, 7, 1000), 7);
  // Through the rules: a highlight red of 6 on a window red of 1 gives a
  // selection bar red of exactly 2.5.
  const app::SkinRgb derived =
      app::DeriveSkinColors({{212, 208, 200}, {1, 255, 255}, {128, 128, 128}, {6, 36, 106}, {}, {}});
  EXPECT_EQ(derived[app::tcSelBar].red, 2);
  EXPECT_EQ(derived[app::tcSelItem].red, 2);
}

TEST(SkinColors, LightenAndDarkenStayInRange) {
  EXPECT_EQ(app::Lighten({0, 255, 100}, 100), (Rgb{255, 255, 255}));
  EXPECT_EQ(app::Lighten({0, 255, 100}, 15), (Rgb{38, 255, 123}));  // 38.25 and 23.25 cut down
  EXPECT_EQ(app::Darken({30, 50, 51}, 50), (Rgb{0, 0, 1}));
}

TEST(SkinColors, OnlyTheCustomSetUsesTheStoredColoursMaskedTo24Bits) {
  app::TTBSkin skin(nullptr);
  skin.colors.colors.fill(0x123456);
  skin.colors.colors[app::tcFace] = static_cast<ui::TColor>(0x7F00FF00);  // stray high byte
  skin.colors.colors[app::tcBorder] = ui::clBtnShadow;
  skin.colors.colors[app::tcPopup] = -1;

  const app::SkinColorValues derived = app::SkinColors(skin, kClassic);
  EXPECT_EQ(derived[app::tcFace], app::ToColor({212, 208, 200}));
  EXPECT_EQ(derived[app::tcDragHandle], 0x9D9D9D);

  skin.color_set = app::TTBColorSet::tbcCustom;
  const app::SkinColorValues custom = app::SkinColors(skin, kClassic);
  EXPECT_EQ(custom[app::tcFace], 0x00FF00);
  EXPECT_EQ(custom[app::tcBorder], ui::clBtnShadow);  // stays for the drawing side to look up
  EXPECT_EQ(custom[app::tcPopup], 0xFFFFFF);          // names no system colour
  EXPECT_EQ(custom[app::tcCaptionText], 0x123456);
}

TEST(SkinColors, StoredColoursKeepOnlyRealSystemColours) {
  EXPECT_EQ(app::StoredSkinColor(static_cast<ui::TColor>(0x80000000u)), static_cast<ui::TColor>(0x80000000u));
  EXPECT_EQ(app::StoredSkinColor(static_cast<ui::TColor>(0x8000001Eu)), static_cast<ui::TColor>(0x8000001Eu));
  EXPECT_EQ(app::StoredSkinColor(static_cast<ui::TColor>(0x8000001Fu)), 0x00001F);
  EXPECT_EQ(app::StoredSkinColor(static_cast<ui::TColor>(0x81000005u)), 0x000005);
  EXPECT_EQ(app::StoredSkinColor(0x40ABCDEF), 0xABCDEF);
}

TEST(SkinColors, ColourValuesHoldRedInTheLowByte) {
  EXPECT_EQ(app::ToColor({0x12, 0x34, 0x56}), 0x563412);
  EXPECT_EQ(app::ToRgb(0xFF563412u), (Rgb{0x12, 0x34, 0x56}));
}

}  // namespace
