#include "ui/framework/visual_style_presence.h"

namespace ui {

bool VisualStyleMayBeActive(bool library_in_process, std::optional<std::wstring_view> theme_active) {
  if (library_in_process) return true;
  if (!theme_active) return false;
  std::wstring_view value = *theme_active;
  while (!value.empty() && value.back() == L'\0') value.remove_suffix(1);
  return value != L"0" && !value.empty();
}

}  // namespace ui
