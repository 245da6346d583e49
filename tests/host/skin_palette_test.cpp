// The skin palette: what a skin draws with on the screen, derived and mapped
// to the screen's colours, or a custom skin's own colours masked.
#include "app/skin/skin_palette.h"

#include <gtest/gtest.h>

#include "app/skin/tb_skin.h"

namespace {

using app::Rgb;

// A screen of 5-6-5 colours: each channel loses its low bits.
Rgb Quantized(Rgb c) {
  return Rgb{static_cast<std::uint8_t>(c.red & 0xF8), static_cast<std::uint8_t>(c.green & 0xFC),
             static_cast<std::uint8_t>(c.blue & 0xF8)};
}

TEST(SkinPaletteTest, StartsWithTheClassicColoursAndNamesMapToIndices) {
  const app::SkinPalette palette;
  EXPECT_EQ(palette.Color(app::tcToolbar), app::ToColor({219, 216, 209}));
  EXPECT_EQ(palette.Color(app::tcSelPushed), app::ToColor({157, 168, 196}));
  EXPECT_EQ(palette.Color(app::tcChecked), app::ToColor({216, 216, 218}));
  // A name that is no skin colour has no index (the program names its
  // colours by index, so a misspelt one does not build).
  EXPECT_EQ(app::SkinColorIndex("tcNoSuchColour"), app::kSkinColorCount);
  EXPECT_EQ(app::SkinColorIndex("tcCaptionText"), app::tcCaptionText);
  EXPECT_EQ(app::SkinColorIndex("tccaptiontext"), app::kSkinColorCount);
}

TEST(SkinPaletteTest, DerivedColoursFollowTheSchemeThroughTheScreensMapping) {
  app::SystemColors scheme = app::ClassicSystemColors();
  scheme.btn_face = Rgb{236, 233, 216};
  scheme.highlight = Rgb{49, 106, 197};
  app::TTBSkin skin(nullptr);
  skin.colors.colors.fill(0x123456);  // stored colours do not count for this set

  app::SkinPalette palette;
  palette.Refresh(&skin, scheme, Quantized);
  const app::SkinRgb derived = app::DeriveSkinColors(scheme);
  for (std::size_t i = 0; i < app::kSkinColorCount; ++i) {
    EXPECT_EQ(palette.Values()[i], app::ToColor(Quantized(derived[i]))) << app::kSkinColorNames[i];
  }
  EXPECT_EQ(palette.Color(app::tcSelBarBorder), app::ToColor({48, 104, 192}));

  // Without a mapping and without a skin: the rules' values themselves.
  palette.Refresh(nullptr, scheme, {});
  EXPECT_EQ(palette.Color(app::tcFace), app::ToColor({236, 233, 216}));
  EXPECT_EQ(palette.Color(app::tcSelBar), app::ToColor(derived[app::tcSelBar]));
}

TEST(SkinPaletteTest, ACustomSkinDrawsItsStoredColoursMaskedAndUnmapped) {
  app::TTBSkin skin(nullptr);
  skin.color_set = app::TTBColorSet::tbcCustom;
  skin.colors.colors.fill(0x0A0B0C);
  skin.colors.colors[app::tcToolbar] = static_cast<ui::TColor>(0x7F12345B);  // a stray high byte
  skin.colors.colors[app::tcSelBar] = static_cast<ui::TColor>(0x80001234u);  // no system colour
  skin.colors.colors[app::tcMenuText] = ui::clMenuText;                      // looked up when drawn
  skin.colors.colors[app::tcBorder] = static_cast<ui::TColor>(0xFFFFFFFFu);  // -1
  app::SkinPalette palette;
  palette.Refresh(&skin, app::ClassicSystemColors(), Quantized);
  EXPECT_EQ(palette.Color(app::tcToolbar), 0x12345B);
  EXPECT_EQ(palette.Color(app::tcSelBar), 0x001234);
  EXPECT_EQ(palette.Color(app::tcMenuText), ui::clMenuText);
  EXPECT_EQ(palette.Color(app::tcBorder), 0xFFFFFF);
  EXPECT_EQ(palette.Color(app::tcFace), 0x0A0B0C);

  // Back to the derived set: the stored colours are ignored again.
  skin.color_set = app::TTBColorSet::tbcOfficeXP;
  palette.Refresh(&skin, app::ClassicSystemColors(), {});
  EXPECT_EQ(palette.Color(app::tcToolbar), app::ToColor({219, 216, 209}));
}

}  // namespace

namespace {

// High Contrast Black: black faces, white text, a purple highlight.
app::SystemColors HighContrastBlackSystem() {
  app::SystemColors scheme = app::ClassicSystemColors();
  scheme.btn_face = scheme.window = Rgb{0, 0, 0};
  scheme.btn_text = scheme.menu_text = scheme.highlight_text = Rgb{255, 255, 255};
  scheme.highlight = Rgb{128, 0, 128};
  return scheme;
}

TEST(SkinPaletteTest, InHighContrastEveryColourCollapsesToTheSchemesPairs) {
  const app::SystemColors scheme = HighContrastBlackSystem();
  app::TTBSkin skin(nullptr);
  app::SkinPalette palette;
  palette.Refresh(&skin, scheme, {}, true);
  const ui::TColor black = app::ToColor({0, 0, 0}), white = app::ToColor({255, 255, 255}),
                   purple = app::ToColor({128, 0, 128});
  // Blends and lightened colours included: each is one of the three.
  for (std::size_t i = 0; i < app::kSkinColorCount; ++i) {
    const ui::TColor c = palette.Values()[i];
    EXPECT_TRUE(c == black || c == white || c == purple) << app::kSkinColorNames[i];
  }
  EXPECT_EQ(palette.Color(app::tcPopup), black);  // a blend of window and face
  EXPECT_EQ(palette.Color(app::tcSelItem), purple);
  EXPECT_EQ(palette.Color(app::tcDockBorderTitle), purple);
  EXPECT_EQ(palette.Color(app::tcCaptionText), white);
  // Text on a highlighted item is the highlight text, on a face the face's.
  EXPECT_EQ(palette.TextOn(app::tcSelItem), white);
  EXPECT_EQ(palette.TextOn(app::tcPopup), white);

  // A custom skin's stored colours give way too.
  skin.color_set = app::TTBColorSet::tbcCustom;
  skin.colors.colors.fill(0x00FFFF);
  palette.Refresh(&skin, scheme, {}, true);
  EXPECT_EQ(palette.Color(app::tcSelBar), purple);

  // Off again: the derived colours, and text on a selection in menu text.
  palette.Refresh(nullptr, app::ClassicSystemColors(), {}, false);
  EXPECT_EQ(palette.Color(app::tcSelItem), app::ToColor({182, 189, 210}));
  EXPECT_EQ(palette.TextOn(app::tcSelItem), app::ToColor({0, 0, 0}));
}

TEST(SkinPaletteTest, AnUnreadablePairInHighContrastIsBlackOnWhite) {
  app::SystemColors scheme = HighContrastBlackSystem();
  scheme.highlight = scheme.highlight_text = Rgb{0, 128, 0};
  app::SkinPalette palette;
  palette.Refresh(nullptr, scheme, {}, true);
  EXPECT_EQ(palette.Color(app::tcSelItem), app::ToColor({255, 255, 255}));
  EXPECT_EQ(palette.TextOn(app::tcSelItem), app::ToColor({0, 0, 0}));
  EXPECT_EQ(palette.Color(app::tcPopup), app::ToColor({0, 0, 0}));  // the readable pair stays
}

}  // namespace
