// The constants of the binary datapacket: one self-describing block per table
// holding its column descriptors, named properties and rows, little-endian
// throughout and without alignment.
//
//   header (24 bytes)   magic u32, version u16, revision u16, header size u32,
//                       column count u16, row count u32, attributes u32,
//                       row offset u16
//   metadata            column descriptors (name, type word, attributes,
//                       property list), a nested table's columns after its own
//                       descriptor, then the table's property list
//   rows                status byte, field flags (2 bits per slot), values
//
// The reader (data/datapacket_reader.h) and the writer
// (data/datapacket_writer.h) share these names.
#pragma once

#include <cstddef>
#include <cstdint>

namespace data::packet {

inline constexpr uint32_t kMagic = 0xBDE01996;
inline constexpr uint32_t kMagicUnversioned = 0x0000ABCD;  // version words not checked
inline constexpr uint16_t kMaxVersion = 3;                 // for kMagic, both words
inline constexpr size_t kHeaderSize = 24;

// Header field offsets.
inline constexpr size_t kOffMagic = 0;
inline constexpr size_t kOffVersion = 4;
inline constexpr size_t kOffRevision = 6;
inline constexpr size_t kOffHeaderSize = 8;
inline constexpr size_t kOffColumnCount = 12;
inline constexpr size_t kOffRowCount = 14;
inline constexpr size_t kOffAttributes = 18;
inline constexpr size_t kOffRowOffset = 22;

// Packet attribute bits.
inline constexpr uint32_t kHasMetadata = 0x0001;
inline constexpr uint32_t kRowOffsetValid = 0x0002;
inline constexpr uint32_t kMarkup = 0x8000;

// Type word: width in bits 0-15, class in bits 16-21, flags above.
inline constexpr uint32_t kWidthMask = 0xFFFF;
inline constexpr unsigned kClassShift = 16;
inline constexpr uint32_t kClassMask = 0x3F;
inline constexpr uint32_t kVarying = 0x00400000;  // length prefix of `width` bytes
inline constexpr uint32_t kArray = 0x00800000;    // u32 element count, then elements
inline constexpr uint32_t kPropertyFlag = 0x80000000;

enum TypeClass : uint32_t {
  kClassSigned = 1,
  kClassUnsigned = 2,
  kClassBoolean = 3,
  kClassFloat = 4,
  kClassBcd = 5,
  kClassDate = 6,
  kClassTime = 7,
  kClassTimestamp = 8,
  kClassString = 9,
  kClassWideString = 10,
  kClassBytes = 11,
  kClassAdt = 12,
  kClassArray = 13,
  kClassNested = 14,
  kClassBytes16 = 16,
  kClassSqlTimestamp = 17,
  kClassFmtBcd = 18,
};

constexpr uint32_t TypeWord(uint32_t type_class, uint32_t width, uint32_t flags = 0) {
  return ((type_class & kClassMask) << kClassShift) | (width & kWidthMask) | flags;
}
constexpr uint32_t TypeClassOf(uint32_t type_word) {
  return (type_word >> kClassShift) & kClassMask;
}
constexpr uint32_t WidthOf(uint32_t type_word) {
  return type_word & kWidthMask;
}

// Row status bits of a row that is not live: it takes no place in any order
// and is not counted, unless the table is a change (delta) table.
inline constexpr uint8_t kRowLeftOut = 0x01 | 0x02 | 0x20;

// Column attribute bits.
inline constexpr uint16_t kHiddenCol = 0x01;
inline constexpr uint16_t kReadonly = 0x02;
inline constexpr uint16_t kRequired = 0x04;
inline constexpr uint16_t kLink = 0x08;
inline constexpr uint16_t kUnNamed = 0x10;
inline constexpr uint16_t kFixed = 0x20;

// Field-flag bits of slot j: byte j / 4, these masks shifted by 2 * (j % 4).
inline constexpr uint8_t kSlotNull = 0x1;
inline constexpr uint8_t kSlotNotChanged = 0x2;
constexpr size_t FieldFlagBytes(size_t slots) {
  return (slots + 3) / 4;
}

}  // namespace data::packet
