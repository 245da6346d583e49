// FieldDescriptor: what the row store makes of one packet column, and how it
// keeps that column's values in its rows.
#pragma once

#include <cstdint>
#include <string>

namespace data {

struct FieldDescriptor {
  std::string name;           // at most 31 bytes
  uint32_t type_word = 0;     // as the packet gave it
  uint32_t logical_type = 0;  // LogicalTypeOf(type_word)
  uint32_t subtype = 0;       // from "SUBTYPE"
  int32_t units1 = 0;         // size ("WIDTH"), elements, child columns
  int32_t units2 = 0;         // decimals ("DECIMALS")
  uint32_t length = 0;        // the width for a fixed-width value, 0 for a varying one
  bool calculated = false;    // "CALCULATED"
  uint16_t attributes = 0;    // the column's attribute bits

  // Storage in a row (see IDSBase): values of byte-like columns (text, bytes,
  // blobs) live in the store's text area and the row holds their place;
  // everything else is copied into the row as it came.
  bool text = false;
  uint32_t offset = 0;      // of this field's state byte in a row
  uint32_t value_size = 0;  // bytes after the state byte
};

}  // namespace data
