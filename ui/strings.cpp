#include "ui/strings.h"

namespace ui {

std::string TStrings::Text() const {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

const resources::ClassInfo& TStrings::Class() {
  static const resources::ExtraPropertyInfo kExtras[] = {
      resources::TextListProperty<&TStrings::lines>("Strings"),
  };
  static const resources::ClassInfo info{"TStrings", nullptr, {}, kExtras, {}, nullptr};
  return info;
}

}  // namespace ui
