#include "ui/model/color_rule.h"

#include <algorithm>
#include <cmath>

#include "ui/model/control.h"

namespace ui {

namespace {

double Linear(std::uint32_t channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

bool Readable(RgbColor back, RgbColor text) {
  return ContrastRatio(back, text) >= kReadableContrast;
}

}  // namespace

double RelativeLuminance(RgbColor c) {
  return 0.2126 * Linear(c & 0xFF) + 0.7152 * Linear((c >> 8) & 0xFF) + 0.0722 * Linear((c >> 16) & 0xFF);
}

double ContrastRatio(RgbColor a, RgbColor b) {
  const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

RgbColor ColorScheme::Resolve(TColor color) const {
  const auto value = static_cast<std::uint32_t>(color);
  if (value & 0x80000000u) {
    const std::uint32_t index = value & 0x00FFFFFFu;
    return system[index < kIndices ? index : kBtnFace];
  }
  return value & 0x00FFFFFFu;
}

namespace {

// The scheme's pair for `pair` as the scheme has it.
DrawColors RawPair(SchemePair pair, const ColorScheme& scheme) {
  const auto& sys = scheme.system;
  switch (pair) {
    case SchemePair::kButton:
      return {sys[ColorScheme::kBtnFace], sys[ColorScheme::kBtnText]};
    case SchemePair::kHighlight:
      return {sys[ColorScheme::kHighlight], sys[ColorScheme::kHighlightText]};
    case SchemePair::kLink: {
      const DrawColors link{sys[ColorScheme::kWindow], sys[ColorScheme::kHotLight]};
      if (Readable(link.back, link.text)) return link;
      return {sys[ColorScheme::kWindow], sys[ColorScheme::kWindowText]};
    }
    case SchemePair::kAuto:
    case SchemePair::kWindow:
      break;
  }
  return {sys[ColorScheme::kWindow], sys[ColorScheme::kWindowText]};
}

double Contrast(const DrawColors& colors) {
  return ContrastRatio(colors.back, colors.text);
}

DrawColors LegibleOrBlackOnWhite(const DrawColors& colors) {
  return Contrast(colors) >= kLegibleContrast ? colors : DrawColors{kWhiteRgb, kBlackRgb};
}

}  // namespace

DrawColors SchemePairColors(SchemePair pair, const ColorScheme& scheme) {
  return LegibleOrBlackOnWhite(RawPair(pair, scheme));
}

DrawColors ColorsToDraw(TColor back, TColor text, SchemePair pair, const ColorScheme& scheme) {
  const DrawColors stored{scheme.Resolve(back), scheme.Resolve(text)};
  if (!scheme.high_contrast && Readable(stored.back, stored.text)) return stored;
  const DrawColors given = RawPair(pair, scheme);
  if (Readable(given.back, given.text)) return given;
  const bool stored_better = !scheme.high_contrast && Contrast(stored) > Contrast(given);
  return LegibleOrBlackOnWhite(stored_better ? stored : given);
}

SchemePair PairFor(const TControl& control) {
  if (control.scheme_pair != SchemePair::kAuto) return control.scheme_pair;
  if (control.EffectiveFont().HasStyle(fsUnderline)) return SchemePair::kLink;
  if (control.EffectiveColor() == clBtnFace) return SchemePair::kButton;
  return SchemePair::kWindow;
}

}  // namespace ui
