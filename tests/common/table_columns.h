// Reading a table's stored values straight from its row store, for tests
// that check what the facade shows against what was loaded.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "data/client_data_set.h"

namespace testing_support {

// Field `field` (1-based column) of every stored row, by record number (index 0 unused).
inline std::vector<std::string> Column(const data::TClientDataSet& table, uint32_t field) {
  std::vector<std::string> values(table.RowStore()->RecordCount() + 1);
  for (uint32_t r = 1; r < values.size(); ++r) {
    data::FieldData value;
    EXPECT_EQ(table.RowStore()->GetField(r, field, value), data::kDsOk);
    values[r] = value.bytes;
  }
  return values;
}

// The signed little-endian number of a 2- or 4-byte value.
inline int32_t Integer(const std::string& bytes) {
  uint32_t v = 0;
  for (size_t i = 0; i < bytes.size(); ++i) v |= uint32_t{static_cast<uint8_t>(bytes[i])} << (8 * i);
  return bytes.size() == 2 ? static_cast<int16_t>(v) : static_cast<int32_t>(v);
}

}  // namespace testing_support
