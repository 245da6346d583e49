// IndexDescriptor: what one built order of the row store is sorted by.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace data {

struct IndexKeyField {
  uint32_t field_no = 0;  // 1-based
  bool descending = false;
  bool case_insensitive = false;
  bool operator==(const IndexKeyField&) const = default;
};

struct IndexDescriptor {
  static constexpr size_t kMaxName = 31;
  static constexpr size_t kMaxFields = 16;

  std::string name;                   // at most kMaxName bytes
  std::vector<IndexKeyField> fields;  // 0 (DEFAULT_ORDER) to kMaxFields
  bool unique = false;
  bool primary = false;
  bool operator==(const IndexDescriptor&) const = default;
};

inline constexpr const char* kDefaultOrderName = "DEFAULT_ORDER";

}  // namespace data
