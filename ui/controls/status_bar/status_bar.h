// TStatusBar: a bar of text panels along the bottom of a window.
#pragma once

#include <cstdint>
#include <string>

#include "resources/collection.h"
#include "ui/model/control.h"

namespace ui {

enum class TStatusPanelBevel : std::uint8_t { pbNone, pbLowered, pbRaised };

class TStatusPanel : public resources::TCollectionItem {
 public:
  TAlignment alignment = TAlignment::taLeftJustify;
  TStatusPanelBevel bevel = TStatusPanelBevel::pbLowered;
  std::string text;
  std::int32_t width = 50;

  const char* ClassName() const override { return "TStatusPanel"; }
  static const resources::ClassInfo& Class();
};

class TStatusPanels : public resources::TCollectionOf<TStatusPanel> {
 public:
  const char* ClassName() const override { return "TStatusPanels"; }
  static const resources::ClassInfo& Class();
};

class TStatusBar : public TWinControl {
 public:
  explicit TStatusBar(base::TComponent* owner) : TWinControl(owner) { align = TAlign::alBottom; }

  TStatusPanels panels;
  bool simple_panel = false;

  // Adds each panel's width.
  void VisitLengths(const LengthVisitor& visit) override;

  const char* ClassName() const override { return "TStatusBar"; }
  static const resources::ClassInfo& Class();
};

}  // namespace ui
