#include "ui/model/strings.h"

namespace ui {

std::string TStrings::Text() const {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void TStrings::Clear() {
  lines.clear();
  Changed();
}

void TStrings::Add(std::string line) {
  lines.push_back(std::move(line));
  Changed();
}

void TStrings::Assign(std::vector<std::string> new_lines) {
  lines = std::move(new_lines);
  Changed();
}

void TStrings::EndUpdate() {
  if (updates_ == 0 || --updates_ > 0 || !changed_in_update_) return;
  changed_in_update_ = false;
  if (on_change_) on_change_();
}

void TStrings::Changed() {
  if (updates_ > 0) {
    changed_in_update_ = true;
    return;
  }
  if (on_change_) on_change_();
}

const resources::ClassInfo& TStrings::Class() {
  static const resources::ExtraPropertyInfo kExtras[] = {
      resources::TextListProperty<&TStrings::lines>("Strings"),
  };
  static const resources::ClassInfo info{"TStrings", nullptr, {}, kExtras, {}, nullptr};
  return info;
}

}  // namespace ui
