// TPanel: a plain container with an optional bevel and border.
#pragma once

#include <cstdint>
#include <string>

#include "ui/model/control.h"

namespace ui {

enum class TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };

std::span<const resources::NamedValue> BevelCutNames();

class TPanel : public TWinControl {
 public:
  using TWinControl::TWinControl;

  TBevelCut bevel_outer = TBevelCut::bvRaised;
  TBevelCut bevel_inner = TBevelCut::bvNone;
  TBorderStyle border_style = TBorderStyle::bsNone;

  const char* ClassName() const override { return "TPanel"; }
  static const resources::ClassInfo& Class();
};

}  // namespace ui
