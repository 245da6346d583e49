// The application's title, computed once from the executable's path:
// the file name without its folder, cut at its first ".", every character
// after the first in lower case (the first keeps its case).
//   C:\PROGS\VIRAVOZ.EXE -> Viravoz      my.phones.exe -> my
#pragma once

#include <string>
#include <string_view>

namespace app {

// `exe_path` is 1251 text; folders may be separated by "\" or "/", and a
// drive prefix such as "C:" is part of the folder. Lower-casing follows
// text::ToLower (the system's rule on Windows).
std::string ApplicationTitle(std::string_view exe_path);

}  // namespace app
