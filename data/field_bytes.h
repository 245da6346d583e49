// The numbers held in a field value's bytes (FieldData::bytes): fixed-size
// values are little-endian, 1 to 8 bytes; signed ones are sign-extended from
// their width. Bytes past the eighth are ignored.
#pragma once

#include <cstdint>
#include <string>

namespace data {

inline uint64_t UnsignedFieldValue(const std::string& bytes) {
  uint64_t v = 0;
  const size_t n = bytes.size() < 8 ? bytes.size() : 8;
  for (size_t i = 0; i < n; ++i) v |= uint64_t{static_cast<uint8_t>(bytes[i])} << (8 * i);
  return v;
}

inline int64_t SignedFieldValue(const std::string& bytes) {
  uint64_t v = UnsignedFieldValue(bytes);
  const size_t n = bytes.size() < 8 ? bytes.size() : 8;
  if (n > 0 && n < 8 && (static_cast<uint8_t>(bytes[n - 1]) & 0x80)) v |= ~uint64_t{0} << (8 * n);
  return static_cast<int64_t>(v);
}

}  // namespace data
