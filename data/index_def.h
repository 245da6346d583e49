// TIndexDef / TIndexDefs: named index definitions of a table. Only a
// definition selected by IndexName is ever built.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace data {

enum TIndexOption : uint8_t {
  ixPrimary = 0x01,
  ixUnique = 0x02,
  ixDescending = 0x04,
  ixCaseInsensitive = 0x08,
};

struct TIndexDef {
  std::string Name;
  std::string Fields;         // field names separated by ";"
  uint8_t Options = 0;        // TIndexOption bits
  std::string DescFields;     // fields sorted descending (with ixDescending: all when empty)
  std::string CaseInsFields;  // fields compared without case (with ixCaseInsensitive: all when empty)
};

class TIndexDefs {
 public:
  void Add(TIndexDef def) { defs_.push_back(std::move(def)); }
  size_t Count() const { return defs_.size(); }
  const TIndexDef& operator[](size_t i) const { return defs_[i]; }
  // The definition of that name (ASCII case ignored), or null.
  const TIndexDef* Find(std::string_view name) const;
  void Clear() { defs_.clear(); }

 private:
  std::vector<TIndexDef> defs_;
};

// The names of a ";"-separated list, each trimmed of surrounding blanks
// (empty pieces dropped).
std::vector<std::string> SplitFieldNames(std::string_view list);

}  // namespace data
