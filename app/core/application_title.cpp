#include "app/core/application_title.h"

#include "text/case_map.h"

namespace app {

std::string ApplicationTitle(std::string_view exe_path) {
  std::string_view name = exe_path;
  if (const size_t slash = name.find_last_of("\\/:"); slash != std::string_view::npos) {
    name.remove_prefix(slash + 1);
  }
  name = name.substr(0, name.find('.'));
  if (name.empty()) return {};
  return std::string(1, name.front()) + text::ToLower(name.substr(1));
}

}  // namespace app
