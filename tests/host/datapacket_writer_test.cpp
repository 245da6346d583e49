// The datapacket writer lays down exactly the bytes of the format; every
// expected packet below was worked out by hand from the layout.
#include "data/datapacket_writer.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "tests/common/hex_bytes.h"

namespace {

using data::DataPacketWriter;
using Slot = DataPacketWriter::Slot;
using namespace data::packet;

constexpr auto Hex = testing_support::HexBytes;

TEST(DataPacketWriterEncoders, IntegersAreLittleEndianTwosComplement) {
  EXPECT_EQ(DataPacketWriter::Int(0x7F, 1), Hex("7F"));
  EXPECT_EQ(DataPacketWriter::Int(-2, 2), Hex("FE FF"));
  EXPECT_EQ(DataPacketWriter::Int(0xFFFF, 2), Hex("FF FF"));  // unsigned 16-bit maximum
  EXPECT_EQ(DataPacketWriter::Int(99999, 4), Hex("9F 86 01 00"));
  EXPECT_EQ(DataPacketWriter::Int(0x0102030405060708, 8), Hex("08 07 06 05 04 03 02 01"));
  EXPECT_EQ(DataPacketWriter::Float64(1.0), Hex("00 00 00 00 00 00 F0 3F"));
  EXPECT_EQ(DataPacketWriter::Float64(-2.5), Hex("00 00 00 00 00 00 04 C0"));
}

TEST(DataPacketWriterEncoders, VaryingArrayAndNestedValues) {
  EXPECT_EQ(DataPacketWriter::Varying("AB", 1), Hex("02 41 42"));
  EXPECT_EQ(DataPacketWriter::Varying("AB", 2), Hex("02 00 41 42"));
  EXPECT_EQ(DataPacketWriter::Varying("", 4), Hex("00 00 00 00"));
  EXPECT_EQ(DataPacketWriter::Varying(std::string(255, 'x'), 1).size(), 256u);
  EXPECT_EQ(DataPacketWriter::Array({DataPacketWriter::Int(1, 2), DataPacketWriter::Int(2, 2)}),
            Hex("02 00 00 00 01 00 02 00"));
  const std::string nested_row = DataPacketWriter::EncodeRow({Slot::Value(DataPacketWriter::Int(7, 1))});
  EXPECT_EQ(nested_row, Hex("00 00 07"));
  EXPECT_EQ(DataPacketWriter::Nested({nested_row, nested_row}), Hex("02 00 00 00  00 00 07  00 00 07"));
  EXPECT_EQ(DataPacketWriter::Nested({}, -1), Hex("FF FF FF FF"));
}

TEST(DataPacketWriterEncoders, RowFlagsTakeTwoBitsPerSlotAndFlaggedSlotsNoBytes) {
  // Slots: value 1, null, not changed, value 2, null (the fifth slot spills
  // into a second flag byte), null and not changed together.
  const std::string row =
      DataPacketWriter::EncodeRow({Slot::Value("\x01"), Slot::Null(), Slot::NotChanged(), Slot::Value("\x02"),
                                   Slot::Null(), Slot{"ignored", true, true}},
                                  0x08);
  // flags byte 0: slot 1 null 0x04, slot 2 not changed 0x20; byte 1: slot 4
  // null 0x01, slot 5 both 0x0C.
  EXPECT_EQ(row, Hex("08  24 0D  01 02"));
  EXPECT_EQ(DataPacketWriter::EncodeRow({}), Hex("00"));  // no slots, no flag bytes
}

TEST(DataPacketWriterEncoders, ValuesTheFormatCannotHoldAreRefused) {
  EXPECT_THROW(DataPacketWriter::Int(1, 3), std::invalid_argument);
  EXPECT_THROW(DataPacketWriter::Varying("x", 3), std::invalid_argument);
  EXPECT_THROW(DataPacketWriter::Varying(std::string(256, 'x'), 1), std::invalid_argument);
  EXPECT_THROW(DataPacketWriter().Column(std::string(256, 'n'), TypeWord(kClassSigned, 2), 0),
               std::invalid_argument);
  DataPacketWriter long_metadata;
  long_metadata.Raw(std::string(0x10000, '\0'));
  EXPECT_THROW(long_metadata.Finish(), std::invalid_argument);
  EXPECT_NO_THROW(long_metadata.SetRowOffset(0).Finish());
  DataPacketWriter many_columns;
  for (int i = 0; i < 0x10000; ++i) many_columns.Column("", 0, 0);
  EXPECT_THROW(many_columns.SetRowOffset(0).Finish(), std::invalid_argument);
  EXPECT_EQ(many_columns.SetColumnCount(3).Finish().substr(12, 2), Hex("03 00"));
}

TEST(DataPacketWriter, EmptyTableHasTheDefaultHeaderAndAnEmptyPropertyList) {
  DataPacketWriter w;
  w.TableProperties();
  EXPECT_EQ(w.Finish(), Hex("96 19 E0 BD  01 00  00 00  18 00 00 00  00 00  00 00 00 00  03 00 00 00  1A 00"
                            "00 00"));
}

TEST(DataPacketWriter, ColumnsPropertiesAndRowsInCallOrder) {
  DataPacketWriter w;
  w.Column("N", TypeWord(kClassSigned, 2), kUnNamed)
      .Column("S", TypeWord(kClassString, 1, kVarying), kRequired | kFixed,
              {{"W", TypeWord(kClassUnsigned, 2), DataPacketWriter::Int(24, 2)}})
      .TableProperties({{"L", TypeWord(kClassSigned, 2), DataPacketWriter::Int(0, 2)}})
      .Row({Slot::Value(DataPacketWriter::Int(1, 2)), Slot::Value(DataPacketWriter::Varying("AB", 1))})
      .Row({Slot::Value(DataPacketWriter::Int(-1, 2)), Slot::Null()}, 0x04);
  EXPECT_EQ(w.Finish(), Hex(
                            // header: 2 columns, 2 rows, rows at 24 + 10 + 18 + 10 = 0x3E
                            "96 19 E0 BD 01 00 00 00 18 00 00 00 02 00 02 00 00 00 03 00 00 00 3E 00"
                            // N: name, type word 0x00010002, attributes 0x10, no properties
                            "01 4E  02 00 01 00  10 00  00 00"
                            // S: type word 0x00490001, attributes 0x24, one property W = 24
                            "01 53  01 00 49 00  24 00  01 00  01 57 02 00 02 00 18 00"
                            // table properties: L = 0
                            "01 00  01 4C 02 00 01 00 00 00"
                            // rows
                            "00 00 01 00 02 41 42"
                            "04 04 FF FF"));
}

TEST(DataPacketWriter, HeaderOverridesAreWrittenAsGiven) {
  DataPacketWriter w;
  w.SetMagic(kMagicUnversioned)
      .SetVersion(9, 4)
      .SetHeaderSize(30)
      .SetColumnCount(7)
      .SetRowCount(100)
      .SetAttributes(kMarkup)
      .SetRowOffset(5)
      .Column("A", TypeWord(kClassSigned, 1), 0)
      .TableProperties()
      .Row({Slot::Value("\x01")});
  EXPECT_EQ(w.Finish(), Hex("CD AB 00 00  09 00  04 00  1E 00 00 00  07 00  64 00 00 00  00 80 00 00  05 00"
                            "01 41 01 00 01 00 00 00 00 00  00 00"
                            "00 00 01"));
}

TEST(DataPacketWriter, NestedTablesCountTheirColumnsAndRawBytesCountAsMetadata) {
  DataPacketWriter w;
  const std::string child = DataPacketWriter::EncodeRow({Slot::Value("\x05")});
  w.Column("T", TypeWord(kClassNested, 1), 0)
      .Column("C", TypeWord(kClassSigned, 1), 0)
      .TableProperties()  // the nested table's
      .TableProperties()  // the top table's
      .Raw("\xEE")
      .Row({Slot::Value(DataPacketWriter::Nested({child}))});
  const std::string packet = w.Finish();
  EXPECT_EQ(packet.substr(12, 2), Hex("02 00"));        // both columns counted
  EXPECT_EQ(packet.substr(14, 4), Hex("01 00 00 00"));  // one top-level row
  EXPECT_EQ(packet.substr(22, 2), Hex("31 00"));        // 24 + 10 + 10 + 2 + 2 + 1 = 49
  EXPECT_EQ(packet.substr(44), Hex("00 00  00 00  EE  00 00 01 00 00 00  00 00 05"));
}

TEST(DataPacketWriter, FinishCanBeCalledAgainAfterMoreItems) {
  DataPacketWriter w;
  w.Column("A", TypeWord(kClassSigned, 1), 0).TableProperties();
  const std::string without_rows = w.Finish();
  w.Row({Slot::Value("\x09")});
  const std::string with_row = w.Finish();
  EXPECT_EQ(with_row.size(), without_rows.size() + 3);
  EXPECT_EQ(with_row.substr(22, 2), without_rows.substr(22, 2));  // rows start where the metadata ended
  EXPECT_EQ(with_row.substr(14, 4), Hex("01 00 00 00"));
}

}  // namespace
