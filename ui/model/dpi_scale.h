// DpiScale: the one rule by which every stored length becomes pixels of a
// screen. Window descriptions keep their places, sizes and font heights in
// pixels at 96 pixels per inch; a window shown at another density scales
// each stored value by dpi / 96, rounding to the nearest pixel with halves
// away from zero (for negative values too, as MulDiv does). Callers always
// scale the stored value, never one scaled before, so a window moved from
// one density to another and back ends where it started.
//
// A scaled length that was not zero stays at least one pixel (with its
// sign): a 1-pixel border is still drawn at 48 dpi and below. Positions are
// only rounded: they may come out 0.
//
// Densities: anything below kMinDpi (0, negative numbers) or above kMaxDpi is
// not a screen; a DpiScale made of one is clamped into that range, and
// Plausible() lets a caller that gets a density from outside (a message)
// ignore such a value instead. Results that would not fit an int saturate.
#pragma once

#include "base/rect.h"

namespace ui {

class DpiScale {
 public:
  static constexpr int kStoredDpi = 96;  // the density descriptions are stored for
  static constexpr int kMinDpi = 24;     // a quarter of the stored density
  static constexpr int kMaxDpi = 1920;   // twenty times it

  // True for a density a screen can have (kMinDpi..kMaxDpi).
  static constexpr bool Plausible(int dpi) { return dpi >= kMinDpi && dpi <= kMaxDpi; }

  constexpr DpiScale() = default;
  // `dpi` is clamped into kMinDpi..kMaxDpi.
  explicit constexpr DpiScale(int dpi) : dpi_(dpi < kMinDpi ? kMinDpi : dpi > kMaxDpi ? kMaxDpi : dpi) {}

  constexpr int Dpi() const { return dpi_; }
  // True at the stored density, where every value stays as stored.
  constexpr bool Identity() const { return dpi_ == kStoredDpi; }

  // A length (width, height, border, distance): non-zero stays non-zero.
  int Length(int stored) const;
  // A coordinate: rounded only.
  int Position(int stored) const;
  // A font height as descriptions store it: negative for the character
  // height, positive for the cell height, 0 for the default font. The sign
  // is kept; a non-zero height stays at least 1.
  int FontHeight(int stored) const { return Length(stored); }

  base::Point Scale(base::Point stored) const { return {Position(stored.x), Position(stored.y)}; }
  base::Size Scale(base::Size stored) const { return {Length(stored.width), Length(stored.height)}; }
  // A rectangle keeps its scaled size: its origin and its extent are scaled
  // each from the stored values (not its four edges), so a control has its
  // stored width and height scaled whatever its place.
  base::Rect Scale(const base::Rect& stored) const {
    return base::Rect::At(Scale(stored.TopLeft()), Scale(stored.Extent()));
  }

  friend bool operator==(const DpiScale&, const DpiScale&) = default;

 private:
  int dpi_ = kStoredDpi;
};

}  // namespace ui
