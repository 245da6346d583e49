// The binary component stream: the constants that the writer and the reader
// share.
//
//   stream     := signature "TPF0", one object record
//   object     := [prefix byte 0xF0 | flags] [position value if kChildPosition]
//                 class name, object name (short strings),
//                 { property name (short string), value } 0,
//                 { object } 0
//   short string := 1 length byte, that many bytes
//   value      := tag byte, payload (see ValueTag)
//   collection item := [integer value: index, unused] tag kList,
//                 { property name, value } 0
//
// Every multi-byte number is little-endian. A property name may be a dotted
// path ("Font.Name"): every step but the last names a sub-object.
#pragma once

#include <array>
#include <cstdint>

namespace resources {

inline constexpr std::array<std::uint8_t, 4> kStreamSignature = {'T', 'P', 'F', '0'};

// A byte at the start of an object record that is kPrefixMark or above is the
// prefix byte; its low four bits are flags.
inline constexpr std::uint8_t kPrefixMark = 0xF0;
enum ObjectFlags : std::uint8_t {
  kInherited = 1,      // the object exists already (created by an ancestor's stream)
  kChildPosition = 2,  // an integer value follows: the object's place among its parent's children
  kInline = 4,         // the object is an inline frame
};

// The tag byte of a value and what its payload is.
enum class ValueTag : std::uint8_t {
  kEnd = 0,          // none; ends a list, collection, item or property list
  kList = 1,         // values up to kEnd
  kInt8 = 2,         // 1 byte, signed
  kInt16 = 3,        // 2 bytes, signed
  kInt32 = 4,        // 4 bytes, signed
  kExtended = 5,     // 10 bytes, 80-bit extended real (64-bit mantissa, 15-bit exponent, sign)
  kString = 6,       // short string, 1251 text
  kIdent = 7,        // short string, an identifier
  kFalse = 8,        // none
  kTrue = 9,         // none
  kBinary = 10,      // 4-byte count, that many bytes
  kSet = 11,         // short strings up to an empty one
  kLongString = 12,  // 4-byte count, that many bytes of 1251 text
  kNil = 13,         // none
  kCollection = 14,  // collection items up to kEnd
  kSingle = 15,      // 4 bytes, IEEE single
  kCurrency = 16,    // 8 bytes, signed count of ten-thousandths
  kDate = 17,        // 8 bytes, IEEE double, days since 30 December 1899
  kWideString = 18,  // 4-byte count of UTF-16 code units, then 2 bytes each
  kInt64 = 19,       // 8 bytes, signed
  kUtf8String = 20,  // 4-byte count of bytes, then UTF-8 text
};
inline constexpr std::uint8_t kLastValueTag = 20;

}  // namespace resources
