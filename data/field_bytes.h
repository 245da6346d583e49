// The numbers held in little-endian bytes: a field value's bytes
// (FieldData::bytes), a row store slot or a property value. Fixed-size values
// are 1 to 8 bytes; signed ones are sign-extended from their width. Bytes
// past the eighth are ignored.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "data/datapacket_format.h"

namespace data {

inline std::span<const uint8_t> AsByteSpan(std::string_view bytes) {
  return {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
}

inline uint64_t UnsignedFieldValue(std::span<const uint8_t> bytes) {
  uint64_t v = 0;
  const size_t n = bytes.size() < 8 ? bytes.size() : 8;
  for (size_t i = 0; i < n; ++i) v |= uint64_t{bytes[i]} << (8 * i);
  return v;
}
inline uint64_t UnsignedFieldValue(std::string_view bytes) {
  return UnsignedFieldValue(AsByteSpan(bytes));
}

inline int64_t SignedFieldValue(std::span<const uint8_t> bytes) {
  uint64_t v = UnsignedFieldValue(bytes);
  const size_t n = bytes.size() < 8 ? bytes.size() : 8;
  if (n > 0 && n < 8 && (bytes[n - 1] & 0x80)) v |= ~uint64_t{0} << (8 * n);
  return static_cast<int64_t>(v);
}
inline int64_t SignedFieldValue(std::string_view bytes) {
  return SignedFieldValue(AsByteSpan(bytes));
}

// A numeric property value of type `type_word`: unsigned 16-bit for width 2,
// else 32-bit. A value shorter than four bytes gives its first two bytes (or
// its one byte); none gives 0.
inline uint32_t PropertyNumber(uint32_t type_word, std::span<const uint8_t> value) {
  const size_t width = packet::WidthOf(type_word) == 2 || value.size() < 4 ? 2 : 4;
  return static_cast<uint32_t>(UnsignedFieldValue(value.first(value.size() < width ? value.size() : width)));
}

}  // namespace data
