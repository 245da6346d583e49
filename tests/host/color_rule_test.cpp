// The colour rule: contrast by relative luminance, which pair a control's
// colours give way to, and what is drawn with the flag on and off on the
// standard, a high-contrast and an unreadable scheme.
#include "ui/model/color_rule.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/controls/label/label.h"
#include "ui/model/form.h"

namespace {

using ui::ColorScheme;
using ui::DrawColors;
using ui::RgbColor;
using ui::SchemePair;

constexpr RgbColor Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return r | (g << 8) | (b << 16);
}

// A scheme with the given pairs; every other index is grey.
ColorScheme Scheme(RgbColor window, RgbColor window_text, RgbColor face, RgbColor face_text,
                   RgbColor highlight, RgbColor highlight_text, RgbColor hot_light, bool high_contrast) {
  ColorScheme scheme;
  scheme.system.fill(Rgb(128, 128, 128));
  scheme.system[ColorScheme::kWindow] = window;
  scheme.system[ColorScheme::kWindowText] = window_text;
  scheme.system[ColorScheme::kBtnFace] = face;
  scheme.system[ColorScheme::kBtnText] = face_text;
  scheme.system[ColorScheme::kHighlight] = highlight;
  scheme.system[ColorScheme::kHighlightText] = highlight_text;
  scheme.system[ColorScheme::kHotLight] = hot_light;
  scheme.high_contrast = high_contrast;
  return scheme;
}

constexpr RgbColor kBlack = Rgb(0, 0, 0), kWhite = Rgb(255, 255, 255), kYellow = Rgb(255, 255, 0),
                   kPurple = Rgb(128, 0, 128), kFace = Rgb(212, 208, 200), kNavy = Rgb(10, 36, 106),
                   kDarkBlue = Rgb(0, 0, 128), kGrey = Rgb(128, 128, 128);
constexpr ui::TColor kMemoBlue = 16776176;  // the result memo's stored background (240, 251, 255)

ColorScheme Standard(bool high_contrast) {
  ColorScheme scheme = Scheme(kWhite, kBlack, kFace, kBlack, kNavy, kWhite, Rgb(0, 0, 255), high_contrast);
  scheme.system[24] = Rgb(255, 255, 225);  // clInfoBk
  return scheme;
}
ColorScheme HighContrastBlack(bool high_contrast) {
  return Scheme(kBlack, kWhite, kBlack, kWhite, kPurple, kWhite, kYellow, high_contrast);
}

TEST(ColorRuleTest, ContrastIsTheRatioOfRelativeLuminances) {
  EXPECT_DOUBLE_EQ(ui::ContrastRatio(kBlack, kWhite), 21.0);
  EXPECT_DOUBLE_EQ(ui::ContrastRatio(kWhite, kBlack), 21.0);
  EXPECT_DOUBLE_EQ(ui::ContrastRatio(kGrey, kGrey), 1.0);
  // The figures measured on the screen before the rule: the memo's light
  // blue under white text, blue links on black, white on sky blue.
  EXPECT_NEAR(ui::ContrastRatio(Rgb(240, 251, 255), kWhite), 1.05, 0.005);
  EXPECT_NEAR(ui::ContrastRatio(Rgb(0, 0, 255), kBlack), 2.44, 0.005);
  EXPECT_NEAR(ui::ContrastRatio(Rgb(166, 202, 240), kWhite), 1.70, 0.005);
}

TEST(ColorRuleTest, StoredColoursGiveWayToTheSchemesPairInHighContrastOrWhenUnreadable) {
  struct Case {
    std::string what;
    ColorScheme scheme;
    ui::TColor back, text;
    SchemePair pair;
    DrawColors drawn;
  };
  const Case cases[] = {
      {"memo, standard",
       Standard(false),
       kMemoBlue,
       ui::clWindowText,
       SchemePair::kWindow,
       {Rgb(240, 251, 255), kBlack}},
      {"memo, standard colours, flag on",
       Standard(true),
       kMemoBlue,
       ui::clWindowText,
       SchemePair::kWindow,
       {kWhite, kBlack}},
      {"memo, dark scheme, flag off",
       HighContrastBlack(false),
       kMemoBlue,
       ui::clWindowText,
       SchemePair::kWindow,
       {kBlack, kWhite}},
      {"About text, black scheme",
       HighContrastBlack(true),
       ui::clWindow,
       ui::clBlack,
       SchemePair::kWindow,
       {kBlack, kWhite}},
      {"About text, dark scheme, flag off",
       HighContrastBlack(false),
       ui::clWindow,
       ui::clBlack,
       SchemePair::kWindow,
       {kBlack, kWhite}},
      {"label on the face, flag on",
       HighContrastBlack(true),
       ui::clBtnFace,
       ui::clWindowText,
       SchemePair::kButton,
       {kBlack, kWhite}},
      {"readable stored pair, flag off",
       Standard(false),
       ui::clInfoBk,
       ui::clBlue,
       SchemePair::kLink,
       {Rgb(255, 255, 225), Rgb(0, 0, 255)}},
      {"link, flag on: hot-tracking colour",
       HighContrastBlack(true),
       ui::clInfoBk,
       ui::clBlue,
       SchemePair::kLink,
       {kBlack, kYellow}},
      {"mark under the pointer, flag on",
       HighContrastBlack(true),
       ui::clSkyBlue,
       ui::clWindowText,
       SchemePair::kHighlight,
       {kPurple, kWhite}},
      {"grey text on white (3.95:1), flag off",
       Standard(false),
       ui::clWhite,
       0x808080,
       SchemePair::kButton,
       {kFace, kBlack}},
      {"blue text on white (8.59:1), flag off",
       Standard(false),
       ui::clWhite,
       ui::clBlue,
       SchemePair::kButton,
       {kWhite, Rgb(0, 0, 255)}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ui::ColorsToDraw(c.back, c.text, c.pair, c.scheme), c.drawn) << c.what;
  }
}

TEST(ColorRuleTest, ALinkWhoseHotTrackingColourIsUnreadableTakesTheWindowText) {
  const ColorScheme scheme = Scheme(kBlack, kWhite, kBlack, kWhite, kPurple, kWhite, kDarkBlue, true);
  EXPECT_EQ(ui::ColorsToDraw(ui::clInfoBk, ui::clBlue, SchemePair::kLink, scheme),
            (DrawColors{kBlack, kWhite}));
}

TEST(ColorRuleTest, APairUnreadableInBothChoicesFallsBackToBlackOnWhite) {
  // Window and window text the same, so neither the stored pair (clWindow
  // and clWindowText too) nor the scheme's can be read; the other pairs of
  // the scheme are left as they are.
  for (const bool high_contrast : {false, true}) {
    const ColorScheme scheme = Scheme(kGrey, kGrey, kBlack, kWhite, kPurple, kWhite, kYellow, high_contrast);
    EXPECT_EQ(ui::ColorsToDraw(ui::clWindow, ui::clWindowText, SchemePair::kWindow, scheme),
              (DrawColors{kWhite, kBlack}));
    EXPECT_EQ(ui::SchemePairColors(SchemePair::kButton, scheme), (DrawColors{kBlack, kWhite}));
  }
}

TEST(ColorRuleTest, APairBetween3And4Point5ThatNothingBeatsIsKept) {
  // Wine's default selection colours: 3.06:1, the scheme's own highlight pair.
  ColorScheme scheme = Standard(false);
  scheme.system[ColorScheme::kHighlight] = Rgb(48, 150, 250);
  EXPECT_NEAR(ui::ContrastRatio(Rgb(48, 150, 250), kWhite), 3.06, 0.005);
  EXPECT_EQ(ui::ColorsToDraw(ui::clHighlight, ui::clHighlightText, SchemePair::kHighlight, scheme),
            (DrawColors{Rgb(48, 150, 250), kWhite}));
  // A stored pair below it gives way to it.
  EXPECT_EQ(ui::ColorsToDraw(ui::clSkyBlue, ui::clWhite, SchemePair::kHighlight, scheme),
            (DrawColors{Rgb(48, 150, 250), kWhite}));
}

TEST(ColorRuleTest, SystemColoursResolveThroughTheScheme) {
  const ColorScheme scheme = HighContrastBlack(true);
  EXPECT_EQ(scheme.Resolve(ui::clHighlight), kPurple);
  EXPECT_EQ(scheme.Resolve(static_cast<ui::TColor>(0x12345678)), 0x345678u);
  // An index the desktop does not have reads as the button face.
  EXPECT_EQ(scheme.Resolve(ui::SystemColor(99)), kBlack);
}

TEST(ColorRuleTest, ALinkTheFaceAndAGivenPairChooseTheControlsPair) {
  ui::TForm form(nullptr);
  auto* label = new ui::TLabel(&form);
  label->SetParentComponent(&form);
  form.color = ui::clBtnFace;
  EXPECT_EQ(ui::PairFor(*label), SchemePair::kButton);
  form.color = ui::clWindow;
  EXPECT_EQ(ui::PairFor(*label), SchemePair::kWindow);
  label->Font()->style = 1u << ui::fsUnderline;
  EXPECT_EQ(ui::PairFor(*label), SchemePair::kLink);
  label->SetColor(ui::clSkyBlue, SchemePair::kHighlight);
  EXPECT_EQ(ui::PairFor(*label), SchemePair::kHighlight);
}

}  // namespace
