#include "ui/controls/status_bar/status_bar.h"

namespace ui {

const resources::ClassInfo& TStatusPanel::Class() {
  static constexpr resources::NamedValue kBevels[] = {{"pbNone", 0}, {"pbLowered", 1}, {"pbRaised", 2}};
  static const resources::PropertyInfo kProperties[] = {
      resources::EnumProperty<&TStatusPanel::alignment>("Alignment", AlignmentNames()),
      resources::EnumProperty<&TStatusPanel::bevel>("Bevel", kBevels),
      resources::StringProperty<&TStatusPanel::text>("Text"),
      resources::IntegerProperty<&TStatusPanel::width>("Width"),
  };
  static const resources::ClassInfo info{"TStatusPanel", nullptr, kProperties, {}, {}, nullptr};
  return info;
}

const resources::ClassInfo& TStatusPanels::Class() {
  static const resources::ClassInfo info{"TStatusPanels", nullptr, {}, {}, {}, nullptr};
  return info;
}

const resources::ClassInfo& TStatusBar::Class() {
  static const resources::PropertyInfo kProperties[] = {
      resources::ObjectProperty<&TStatusBar::panels>("Panels"),
      resources::BoolProperty<&TStatusBar::simple_panel>("SimplePanel"),
  };
  static const resources::ClassInfo info{"TStatusBar", &TWinControl::Class(),         kProperties, {},
                                         {},           resources::Creator<TStatusBar>};
  return info;
}

void TStatusBar::VisitLengths(const LengthVisitor& visit) {
  TWinControl::VisitLengths(visit);
  for (std::size_t i = 0; i < panels.Count(); ++i) visit(panels[i].width, LengthKind::kLength);
}

}  // namespace ui
