#include "data/index_def.h"

#include "base/ascii_name.h"
#include "data/field_def.h"

namespace data {

const TIndexDef* TIndexDefs::Find(std::string_view name) const {
  for (const auto& def : defs_) {
    if (base::SameNameIgnoringAsciiCase(def.Name, name)) return &def;
  }
  return nullptr;
}

std::vector<std::string> SplitFieldNames(std::string_view list) {
  std::vector<std::string> names;
  size_t start = 0;
  while (start <= list.size()) {
    size_t end = list.find(';', start);
    if (end == std::string_view::npos) end = list.size();
    std::string_view piece = list.substr(start, end - start);
    while (!piece.empty() && (piece.front() == ' ' || piece.front() == '\t')) piece.remove_prefix(1);
    while (!piece.empty() && (piece.back() == ' ' || piece.back() == '\t')) piece.remove_suffix(1);
    if (!piece.empty()) names.emplace_back(piece);
    start = end + 1;
  }
  return names;
}

}  // namespace data
