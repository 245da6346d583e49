// Whether a visual style may be active, told from what a program sees
// before it loads the theme library: the library already in the process
// (the system loads it into every program that shows windows while a style
// is active) or the user's theme setting (the ThemeManager's "ThemeActive"
// value, "1" while a style is on). When neither says a style may be on, the
// views draw the classic look without loading the library, so a start with
// no style pays nothing for it.
#pragma once

#include <optional>
#include <string_view>

namespace ui {

// `theme_active` is the setting's text, or nothing when it is not set.
// Only a library that is absent together with a setting that is missing or
// "0" means no style; any other setting may mean one, and the library is
// asked as before.
bool VisualStyleMayBeActive(bool library_in_process, std::optional<std::wstring_view> theme_active);

}  // namespace ui
