// DataPacketWriter: builds any binary datapacket (format in
// data/datapacket_format.h), well-formed or deliberately not.
//
// The writer does not check that what it is given makes a valid packet: it
// lays the items down in the order they are added. That is what the packet
// builder needs (it adds exactly the directory's items) and what tests need
// (they add wrong widths, missing properties, bad counts, odd header values).
//
//   using namespace data::packet;
//   DataPacketWriter w;
//   w.Column("KEY_F", TypeWord(kClassSigned, 2), kUnNamed)
//    .Column("FIO", TypeWord(kClassString, 1, kVarying), kUnNamed,
//            {{"WIDTH", TypeWord(kClassUnsigned, 2), DataPacketWriter::Int(24, 2)}})
//    .TableProperties({{"LCID", TypeWord(kClassSigned, 2), DataPacketWriter::Int(0, 2)}})
//    .Row({Slot::Value(DataPacketWriter::Int(1, 2)), Slot::Value(DataPacketWriter::Varying("AB", 1))});
//   std::string packet = w.Finish();
//
// Header fields left unset are computed by Finish(): magic kMagic, version 1,
// revision 0, header size 24, attributes kHasMetadata | kRowOffsetValid,
// column count = number of Column() calls (nested tables' columns included),
// row count = number of Row() calls, row offset = where the first row starts
// (the end of the metadata). Every Set...() call replaces the computed value
// with exactly the one given. The metadata always starts right after the 24
// header bytes; add Raw() bytes first for a gap.
//
// Nested tables are written as the format lays them out: the nested column's
// descriptor (class kClassNested, width = its column count), then its own
// columns, then TableProperties() of the nested table; its rows are part of
// the parent row's value (Nested() below).
//
// Errors: a name longer than 255 bytes, a width or prefix width the encoders
// cannot write, or a value too long for its length prefix throws
// std::invalid_argument; these are mistakes of the calling code, never of
// input data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/datapacket_format.h"

namespace data {

class DataPacketWriter {
 public:
  // A named property of a column or a table; `value` holds the encoded bytes
  // (see the encoders below), written as they are after the type word.
  struct Property {
    std::string name;
    uint32_t type_word = 0;
    std::string value;
  };

  // One slot of a row: a value, or no bytes with the null and/or not-changed flag.
  struct Slot {
    std::string bytes;  // the encoded value; ignored unless both flags are clear
    bool null = false;
    bool not_changed = false;

    static Slot Value(std::string bytes) { return {std::move(bytes), false, false}; }
    static Slot Null() { return {{}, true, false}; }
    static Slot NotChanged() { return {{}, false, true}; }
  };

  // --- Value encoders (little-endian; return the bytes of one value) ---

  // `width` (1, 2, 4 or 8) low bytes of `value` in two's complement.
  static std::string Int(int64_t value, unsigned width);
  // An IEEE 754 double, 8 bytes.
  static std::string Float64(double value);
  // A length prefix of `prefix_width` bytes (1, 2 or 4), then `bytes`.
  static std::string Varying(std::string_view bytes, unsigned prefix_width);
  // A 4-byte element count, then the elements (each already encoded).
  static std::string Array(const std::vector<std::string>& elements);
  // A nested-table slot value: a 4-byte signed count, then the rows (each from
  // EncodeRow). `count` defaults to rows.size(); give another to lie about it.
  static std::string Nested(const std::vector<std::string>& rows, std::optional<int32_t> count = {});
  // One row: the status byte, ceil(slots / 4) field-flag bytes, then the value
  // of every slot whose flags are both clear, in slot order.
  static std::string EncodeRow(const std::vector<Slot>& slots, uint8_t status = 0);

  // --- Header overrides ---
  DataPacketWriter& SetMagic(uint32_t magic);
  DataPacketWriter& SetVersion(uint16_t version, uint16_t revision);
  DataPacketWriter& SetHeaderSize(uint32_t header_size);
  DataPacketWriter& SetColumnCount(uint16_t count);
  DataPacketWriter& SetRowCount(uint32_t count);
  DataPacketWriter& SetAttributes(uint32_t attributes);
  DataPacketWriter& SetRowOffset(uint16_t row_offset);

  // --- Body items, appended in call order ---

  // A column descriptor: 1-byte name length, name, type word, attributes,
  // 2-byte property count and the properties.
  DataPacketWriter& Column(std::string_view name, uint32_t type_word, uint16_t attributes,
                           const std::vector<Property>& properties = {});
  // A table's property list (2-byte count, then the properties); every table
  // has one after its last column, even when empty.
  DataPacketWriter& TableProperties(const std::vector<Property>& properties = {});
  // A top-level row (see EncodeRow); counts towards the row count.
  DataPacketWriter& Row(const std::vector<Slot>& slots, uint8_t status = 0);
  // Bytes as they are (counts towards nothing).
  DataPacketWriter& Raw(std::string_view bytes);

  // The packet: header followed by everything appended. The writer can go on
  // being used; a later Finish() includes later items.
  // Throws std::invalid_argument when a computed field does not fit its
  // header field (a row offset above 65535, more than 65535 columns or more
  // than 2^32 - 1 rows) and no value was set for it.
  std::string Finish() const;

 private:
  static std::string EncodeProperties(const std::vector<Property>& properties);

  std::optional<uint32_t> magic_, header_size_, row_count_, attributes_;
  std::optional<uint16_t> version_, revision_, column_count_, row_offset_;
  std::string body_;                 // everything after the 24 header bytes
  std::optional<size_t> first_row_;  // offset in body_ of the first row
  size_t columns_ = 0;
  size_t rows_ = 0;
};

}  // namespace data
