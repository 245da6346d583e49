// The datapacket reader: header check, the metadata walk, property and row
// buffers, null and not-changed slots, nested tables and the table list,
// appended packets, bounds (truncation at every offset), and the directory's
// two built packets read completely.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "data/datapacket_reader.h"
#include "data/datapacket_writer.h"
#include "tests/common/built_packets.h"
#include "tests/common/packet_walker.h"
#include "tests/common/shipped_directory.h"
#include "tests/common/table_packets.h"

namespace {

using namespace data;
using namespace data::packet;
using testing_support::AsBytes;
using testing_support::WalkPacket;
using W = DataPacketWriter;

// A reader bound to its own exact-size copy of the packet, so that a read one
// byte past the end is caught by the address sanitizer.
class Bound {
 public:
  explicit Bound(const std::string& packet) : bytes_(packet.begin(), packet.end()) {
    init_result = reader->Init(std::span<const std::uint8_t>(bytes_.data(), bytes_.size()));
  }
  TDATAPACKET_READ* operator->() const { return reader.get(); }

  // Reads the column and table lists to the end of the metadata; returns the
  // first code that is neither success nor the end of a list.
  DsResult SkipMetadata() {
    DSColumnDesc column;
    DsPropertyName name;
    std::vector<std::uint8_t> value(4096);
    for (int guard = 0; guard < 1000 && !reader->MetadataDone(); ++guard) {
      DsResult r = reader->GetNextColumnDesc(&column);
      if (r != kDsOk && r != kDsEnd) return r;
      for (;;) {
        std::uint32_t size = static_cast<std::uint32_t>(value.size()), type_word = 0;
        r = reader->GetNextOptParameter(&name, &type_word, &size, value.data());
        if (r == kDsEnd) break;
        if (r != kDsOk) return r;
      }
    }
    return reader->MetadataDone() ? kDsOk : kDsBadCall;
  }

  // The next row item as bytes; `result` and `state` receive what the reader said.
  std::string Field(DsResult& result, DsSlotState& state, std::uint32_t capacity = 64) {
    std::vector<std::uint8_t> buffer(capacity + 1);
    std::uint32_t size = capacity;
    result = reader->GetNextField(&size, buffer.data(), &state);
    if (result != kDsOk || state != DsSlotState::kValue) return {};
    return std::string(reinterpret_cast<const char*>(buffer.data()), size);
  }

  DsRef<DSEXTRACT> reader = DSEXTRACT::Create();
  DsResult init_result = kDsOk;

 private:
  std::vector<std::uint8_t> bytes_;
};

std::string Le(std::uint64_t value, int width) {
  std::string out;
  for (int i = 0; i < width; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  return out;
}

// The 24 header bytes.
std::string Header(std::uint32_t magic, std::uint16_t version, std::uint16_t columns, std::uint32_t rows,
                   std::uint32_t attributes = 3, std::uint32_t header_size = 24,
                   std::uint16_t row_offset = 0) {
  return Le(magic, 4) + Le(version, 2) + Le(0, 2) + Le(header_size, 4) + Le(columns, 2) + Le(rows, 4) +
         Le(attributes, 4) + Le(row_offset, 2);
}

std::string Int16Packet(const std::vector<std::int16_t>& values) {
  W w;
  w.Column("N", TypeWord(kClassSigned, 2), 0).TableProperties();
  for (std::int16_t v : values) w.Row({W::Slot::Value(W::Int(v, 2))});
  return w.Finish();
}

// ---------------------------------------------------------------------------
// Header

TEST(DatapacketReaderHeader, UnversionedMagicSkipsTheVersionCheck) {
  std::string packet = Int16Packet({7});
  packet.replace(0, 6, Le(kMagicUnversioned, 4) + Le(9, 2));
  const auto walk = WalkPacket(AsBytes(packet));
  EXPECT_EQ(walk.result, kDsOk);
  EXPECT_EQ(walk.values, 2u);
}

TEST(DatapacketReaderHeader, VersionedMagicAboveThreeIsNotBinary) {
  for (std::size_t word : {kOffVersion, kOffRevision}) {
    std::string packet = Int16Packet({7});
    packet.replace(word, 2, Le(3, 2));
    EXPECT_EQ(Bound(packet).init_result, kDsOk) << word;
    packet.replace(word, 2, Le(4, 2));
    EXPECT_EQ(Bound(packet).init_result, kDsBadPacket) << word;
  }
}

TEST(DatapacketReaderHeader, RefusesMarkupUnknownMagicShortAndMissingPackets) {
  std::string markup = Int16Packet({});
  markup.replace(kOffAttributes, 4, Le(kHasMetadata | kMarkup, 4));
  EXPECT_EQ(Bound(markup).init_result, kDsBadPacket);
  EXPECT_EQ(Bound("<?xml version=\"1.0\"?><DATAPACKET/>").init_result, kDsBadPacket);
  EXPECT_EQ(Bound(Int16Packet({}).substr(0, 23)).init_result, kDsBadPacket);
  // Header sizes pointing into the header or past the block.
  EXPECT_EQ(Bound(Header(kMagic, 1, 0, 0, 3, 23)).init_result, kDsBadPacket);
  EXPECT_EQ(Bound(Header(kMagic, 1, 0, 0, 3, 25)).init_result, kDsBadPacket);
  EXPECT_EQ(Bound(Header(kMagic, 1, 0, 0, 3, 24) + Le(0, 2)).init_result, kDsOk);

  auto reader = DSEXTRACT::Create();
  EXPECT_EQ(reader->Init({}), kDsBadCall);
  DSColumnDesc column;
  std::uint32_t size = 0;
  EXPECT_EQ(reader->GetNextColumnDesc(&column), kDsBadCall);
  EXPECT_EQ(reader->PeekOptParameterSize(&size), kDsBadCall);
  EXPECT_EQ(reader->GetNextField(&size, nullptr, nullptr), kDsBadCall);
}

TEST(DatapacketReaderHeader, KeepsTheHeaderAndIsReferenceCounted) {
  Bound b(testing_support::PhonePacket({{12345, 1}, {23456, 2}}));
  ASSERT_EQ(b.init_result, kDsOk);
  EXPECT_EQ(b->Header().magic, kMagic);
  EXPECT_EQ(b->Header().column_count, 2u);
  EXPECT_EQ(b->Header().row_count, 2u);
  EXPECT_EQ(b->Header().attributes, 3u);
  EXPECT_EQ(b->Position(), 24u);
  EXPECT_EQ(b->GetXMLMode(), 0u);

  void* out = nullptr;
  EXPECT_EQ(b->QueryInterface(DsInterfaceId::kDataPacketRead, &out), kDsOk);
  EXPECT_EQ(out, static_cast<TDATAPACKET_READ*>(b.reader.get()));
  EXPECT_EQ(b->AddRef(), 3u);  // Create's, QueryInterface's and this one
  EXPECT_EQ(b->Release(), 2u);
  EXPECT_EQ(b->Release(), 1u);  // the DsRef's own reference is left
}

// ---------------------------------------------------------------------------
// Metadata

// Inline bytes: one column with a 40-byte name, one with a short name.
TEST(DatapacketReaderMetadata, LongColumnNameKeepsThirtyOneBytesAndSkipsAll) {
  const std::string long_name = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd";  // 40 bytes
  const std::string packet = Header(kMagic, 1, 2, 0) + "\x28" + long_name + Le(0x00010002, 4) + Le(0x10, 2) +
                             Le(0, 2) + "\x02" + "ID" + Le(0x00010004, 4) + Le(0x04, 2) + Le(0, 2) + Le(0, 2);
  Bound b(packet);
  DSColumnDesc column;
  ASSERT_EQ(b->GetNextColumnDesc(&column), kDsOk);
  EXPECT_EQ(std::string(column.name.data()), long_name.substr(0, 31));
  EXPECT_EQ(column.type_word, 0x00010002u);
  EXPECT_EQ(column.attributes, 0x10u);
  EXPECT_EQ(b->GetNextOptParameter(nullptr, nullptr, nullptr, nullptr), kDsEnd);
  ASSERT_EQ(b->GetNextColumnDesc(&column), kDsOk);
  EXPECT_STREQ(column.name.data(), "ID");
  EXPECT_EQ(column.type_word, 0x00010004u);
  EXPECT_EQ(b->GetNextOptParameter(nullptr, nullptr, nullptr, nullptr), kDsEnd);  // enters the table's list
  EXPECT_EQ(b->GetNextColumnDesc(&column), kDsEnd);
  EXPECT_EQ(b->GetNextOptParameter(nullptr, nullptr, nullptr, nullptr), kDsEnd);  // ends the metadata
  EXPECT_TRUE(b->MetadataDone());
  EXPECT_EQ(b->Position(), packet.size());
}

TEST(DatapacketReaderMetadata, NoRowsEndsRightAfterTheMetadata) {
  const std::string packet = testing_support::PersonPacket({});
  const auto walk = WalkPacket(AsBytes(packet));
  EXPECT_EQ(walk.result, kDsOk);
  EXPECT_EQ(walk.columns, 2u);
  EXPECT_EQ(walk.properties, 2u);  // WIDTH and LCID
  EXPECT_EQ(walk.values, 0u);
  EXPECT_EQ(walk.metadata_end, packet.size());
  Bound b(packet);
  ASSERT_EQ(b.SkipMetadata(), kDsOk);
  std::uint32_t size = 8;
  std::uint8_t value[8];
  EXPECT_EQ(b->GetNextField(&size, value, nullptr), kDsEnd);
  EXPECT_EQ(b->GetNextField(&size, value, nullptr), kDsEnd);
}

TEST(DatapacketReaderMetadata, CallsOutOfOrderAreRefused) {
  Bound b(testing_support::PhonePacket({{12345, 1}}));
  DSColumnDesc column;
  std::uint32_t size = 8;
  std::uint8_t value[8];
  EXPECT_EQ(b->GetNextField(&size, value, nullptr), kDsBadCall);  // metadata not done
  ASSERT_EQ(b->GetNextColumnDesc(&column), kDsOk);
  EXPECT_EQ(b->GetNextColumnDesc(&column), kDsBadCall);  // ORIGIN not read yet
  EXPECT_EQ(b->PeekFieldSize(&size), kDsBadCall);
  DsPropertyName name;
  char origin[16];
  size = sizeof origin;
  ASSERT_EQ(b->GetNextOptParameter(&name, nullptr, &size, origin), kDsOk);
  EXPECT_EQ(b->GetNextOptParameter(&name, nullptr, &size, origin), kDsEnd);
  EXPECT_EQ(b.SkipMetadata(), kDsOk);
  EXPECT_EQ(b->GetNextColumnDesc(&column), kDsEnd);
  EXPECT_EQ(b->GetNextOptParameter(nullptr, nullptr, nullptr, nullptr), kDsEnd);
  EXPECT_EQ(b->InitAppend({}), kDsBadCall);
}

TEST(DatapacketReaderMetadata, WidthsOutsideTheTableAreUnsupported) {
  const std::uint32_t refused[] = {
      TypeWord(kClassString, 3, kVarying), TypeWord(kClassSigned, 3),
      TypeWord(kClassUnsigned, 16),        TypeWord(kClassFloat, 4),
      TypeWord(kClassTimestamp, 4),        TypeWord(kClassSqlTimestamp, 8),
      TypeWord(kClassSigned, 2, kVarying), TypeWord(kClassString, 1, kVarying | kArray),
      TypeWord(kClassSigned, 2, kArray),  // the array bit on a column
  };
  for (std::uint32_t type_word : refused) {
    W w;
    w.Column("C", type_word, 0).TableProperties();
    Bound b(w.Finish());
    EXPECT_EQ(b.SkipMetadata(), kDsUnsupportedType) << std::hex << type_word;
    EXPECT_FALSE(b->MetadataDone());
  }
}

TEST(DatapacketReaderMetadata, CodecsByClassAndWidth) {
  struct Case {
    std::uint32_t type_word;
    const char* codec;
    std::int64_t size;
  };
  const Case cases[] = {
      {TypeWord(kClassSigned, 1), "FLDCInt8", 1},
      {TypeWord(kClassUnsigned, 2), "FLDCInt16", 2},
      {TypeWord(kClassBoolean, 4), "FLDCInt32", 4},
      {TypeWord(kClassBoolean, 8), "FLDCInt64", 8},
      {TypeWord(kClassDate, 4), "FLDCInt32", 4},
      {TypeWord(kClassTime, 8), "FLDCInt64", 8},
      {TypeWord(kClassFloat, 8), "FLDCFloat", 8},
      {TypeWord(kClassFloat, 10), "FLDCFloatIEEE", 10},
      {TypeWord(kClassTimestamp, 8), "FLDCFloat", 8},
      {TypeWord(kClassBcd, 3), "FLDCBcd", 18},
      {TypeWord(kClassFmtBcd, 34), "FLDCBcd", 18},
      {TypeWord(kClassString, 24), "FLDCFixed", 24},
      {TypeWord(kClassWideString, 1, kVarying), "FLDCVar8", -1},
      {TypeWord(kClassBytes, 2, kVarying), "FLDCVar16", -1},
      {TypeWord(kClassBytes16, 4, kVarying), "FLDCVar32", -1},
      {TypeWord(40, 7), "FLDCFixed", 7},
      {TypeWord(kClassAdt, 3), "FLDCFixed", 0},
      {TypeWord(kClassArray, 5), "FLDCFixed", 0},
      {TypeWord(kClassNested, 2), "FLDCInt32", 4},
      {TypeWord(kClassSqlTimestamp, 16), "FLDCSQLTIMESTAMP", 16},
  };
  for (const Case& c : cases) {
    const auto codec = MakeFieldCodec(c.type_word);
    ASSERT_NE(codec, nullptr) << std::hex << c.type_word;
    EXPECT_STREQ(codec->Name(), c.codec) << std::hex << c.type_word;
    EXPECT_EQ(codec->FixedSize(), c.size) << std::hex << c.type_word;
  }
  const auto unsigned_codec = MakeFieldCodec(TypeWord(kClassUnsigned, 4));
  EXPECT_TRUE(dynamic_cast<const FLDCInt&>(*unsigned_codec).IsUnsigned());
  EXPECT_FALSE(dynamic_cast<const FLDCInt&>(*MakeFieldCodec(TypeWord(kClassSigned, 4))).IsUnsigned());
}

// ---------------------------------------------------------------------------
// Properties

TEST(DatapacketReaderProperties, TooSmallBufferGivesTheNeededSizeAndConsumesNothing) {
  Bound b(testing_support::PhonePacket({}));
  DSColumnDesc column;
  ASSERT_EQ(b->GetNextColumnDesc(&column), kDsOk);
  std::uint32_t size = 0;
  ASSERT_EQ(b->PeekOptParameterSize(&size), kDsOk);
  EXPECT_EQ(size, 8u);  // "TEL.TEL" and its zero

  DsPropertyName name;
  std::uint32_t type_word = 0;
  char value[16] = {};
  size = 7;
  EXPECT_EQ(b->GetNextOptParameter(&name, &type_word, &size, value), kDsBufferTooSmall);
  EXPECT_EQ(size, 8u);
  // Neither buffer: a peek.
  size = 0;
  EXPECT_EQ(b->GetNextOptParameter(nullptr, &type_word, &size, nullptr), kDsOk);
  EXPECT_EQ(type_word, 0x80490002u);
  size = sizeof value;
  ASSERT_EQ(b->GetNextOptParameter(&name, &type_word, &size, value), kDsOk);
  EXPECT_STREQ(name.data(), "ORIGIN");
  EXPECT_EQ(size, 8u);
  EXPECT_EQ(std::string(value, 8), std::string("TEL.TEL\0", 8));
  EXPECT_EQ(b->GetNextOptParameter(&name, &type_word, &size, value), kDsEnd);
}

TEST(DatapacketReaderProperties, ArrayValuesLongNamesAndUnsupportedTypes) {
  const std::string long_name(255, 'P');
  W w;
  w.Column("C", TypeWord(kClassSigned, 2), 0,
           {{long_name, TypeWord(kClassUnsigned, 2, kArray), W::Array({W::Int(1, 2), W::Int(0x8002, 2)})},
            {"BAD", TypeWord(kClassFloat, 4), W::Int(0, 4)}})
      .Column("D", TypeWord(kClassSigned, 2), 0)
      .TableProperties();
  Bound b(w.Finish());
  DSColumnDesc column;
  ASSERT_EQ(b->GetNextColumnDesc(&column), kDsOk);
  DsPropertyName name;
  std::uint32_t type_word = 0, size = 16;
  std::uint8_t value[16];
  ASSERT_EQ(b->GetNextOptParameter(&name, &type_word, &size, value), kDsOk);
  EXPECT_EQ(std::string(name.data()), long_name);
  EXPECT_EQ(size, 8u);  // the count and both elements
  EXPECT_EQ(std::string(reinterpret_cast<char*>(value), 8), W::Array({W::Int(1, 2), W::Int(0x8002, 2)}));
  // The unsupported property is reported each time and never consumed.
  for (int i = 0; i < 2; ++i) {
    size = 16;
    EXPECT_EQ(b->GetNextOptParameter(&name, &type_word, &size, value), kDsUnsupportedType);
    EXPECT_EQ(b->PeekOptParameterSize(&size), kDsUnsupportedType);
  }
  EXPECT_EQ(b->GetNextColumnDesc(&column), kDsBadCall);
}

TEST(DatapacketReaderProperties, ArrayCountBeyondTheBlockIsRefused) {
  W w;
  w.Column("C", TypeWord(kClassSigned, 2), 0,
           {{"KEYS", TypeWord(kClassSigned, 4, kArray), Le(0x40000000, 4) + W::Int(1, 4)}})
      .TableProperties();
  Bound b(w.Finish());
  DSColumnDesc column;
  ASSERT_EQ(b->GetNextColumnDesc(&column), kDsOk);
  std::uint32_t size = 0;
  EXPECT_EQ(b->PeekOptParameterSize(&size), kDsBadPacket);
}

// ---------------------------------------------------------------------------
// Rows

TEST(DatapacketReaderRows, NullAndNotChangedSlotsTakeNoBytes) {
  W w;
  w.Column("A", TypeWord(kClassSigned, 4), 0)
      .Column("B", TypeWord(kClassString, 1, kVarying), 0)
      .Column("C", TypeWord(kClassSigned, 2), 0)
      .TableProperties()
      .Row({W::Slot::Null(), W::Slot::NotChanged(), W::Slot::Value(W::Int(-2, 2))})
      .Row({W::Slot{"", true, true}, W::Slot::Value(W::Varying("XY", 1)), W::Slot::Null()});
  Bound b(w.Finish());
  ASSERT_EQ(b.SkipMetadata(), kDsOk);
  DsResult r;
  DsSlotState state;
  EXPECT_EQ(b.Field(r, state), std::string(1, '\0'));  // status
  b.Field(r, state);
  EXPECT_EQ(r, kDsNullValue);
  EXPECT_EQ(state, DsSlotState::kNull);
  b.Field(r, state);
  EXPECT_EQ(r, kDsOk);
  EXPECT_EQ(state, DsSlotState::kNotChanged);
  EXPECT_EQ(b.Field(r, state), W::Int(-2, 2));  // directly after the flag byte
  EXPECT_EQ(b.Field(r, state), std::string(1, '\0'));
  std::uint32_t size = 99;
  EXPECT_EQ(b->PeekFieldSize(&size), kDsOk);  // both bits: null, success for the peek
  EXPECT_EQ(size, 0u);
  b.Field(r, state);
  EXPECT_EQ(r, kDsNullValue);
  EXPECT_EQ(b.Field(r, state), "XY");
  b.Field(r, state);
  EXPECT_EQ(r, kDsNullValue);
  b.Field(r, state);
  EXPECT_EQ(r, kDsEnd);
}

TEST(DatapacketReaderRows, TooSmallBufferLeavesTheSizeAndConsumesNothing) {
  Bound b(testing_support::PersonPacket({{1, "СМИРНОВА ЕА"}}));
  ASSERT_EQ(b.SkipMetadata(), kDsOk);
  DsResult r;
  DsSlotState state;
  b.Field(r, state);
  EXPECT_EQ(b.Field(r, state), W::Int(1, 2));
  std::uint32_t needed = 0;
  ASSERT_EQ(b->PeekFieldSize(&needed), kDsOk);
  EXPECT_EQ(needed, std::string("СМИРНОВА ЕА").size());
  std::uint8_t value[64];
  std::uint32_t size = needed - 1;
  EXPECT_EQ(b->GetNextField(&size, value, &state), kDsBufferTooSmall);
  EXPECT_EQ(size, needed - 1);
  size = 0;
  EXPECT_EQ(b->GetNextField(&size, value, &state), kDsBufferTooSmall);
  EXPECT_EQ(b->GetNextField(nullptr, value, &state), kDsBufferTooSmall);
  EXPECT_EQ(b.Field(r, state, needed), "СМИРНОВА ЕА");
}

TEST(DatapacketReaderRows, NegativeBlobLengthIsReportedWithoutBytes) {
  W w;
  w.Column("BLOB", TypeWord(kClassBytes, 4, kVarying), 0)
      .Column("N", TypeWord(kClassSigned, 1), 0)
      .TableProperties()
      .Row({W::Slot::Value(Le(0xFFFFFFFF, 4)), W::Slot::Value(W::Int(5, 1))});
  Bound b(w.Finish());
  ASSERT_EQ(b.SkipMetadata(), kDsOk);
  DsResult r;
  DsSlotState state;
  b.Field(r, state);
  std::uint8_t value[4];
  std::uint32_t size = 4;
  ASSERT_EQ(b->GetNextField(&size, value, &state), kDsOk);
  EXPECT_EQ(static_cast<std::int32_t>(size), -1);
  EXPECT_EQ(b.Field(r, state), W::Int(5, 1));
}

TEST(DatapacketReaderRows, BytesAfterTheLastRowAreNeverRead) {
  std::string packet = Int16Packet({1, 2, 3});
  packet.replace(kOffRowCount, 4, Le(2, 4));  // the third row is now trailing bytes
  const auto walk = WalkPacket(AsBytes(packet));
  EXPECT_EQ(walk.result, kDsOk);
  EXPECT_EQ(walk.values, 4u);
  EXPECT_EQ(walk.position, packet.size() - 4);  // a row is 4 bytes
  // Garbage after the rows changes nothing.
  EXPECT_EQ(WalkPacket(AsBytes(Int16Packet({1, 2}) + "\xFF\xFF\xFF")).result, kDsOk);
}

TEST(DatapacketReaderRows, RowCountBeyondTheBytesIsRefusedAtTheEndOfTheMetadata) {
  std::string packet = Int16Packet({1, 2});
  packet.replace(kOffRowCount, 4, Le(0xFFFFFFFF, 4));
  Bound b(packet);
  EXPECT_EQ(b.SkipMetadata(), kDsBadPacket);
  // A count the bytes could hold, but the rows run out: refused at the row that does not fit.
  packet.replace(kOffRowCount, 4, Le(3, 4));
  const auto walk = WalkPacket(AsBytes(packet + std::string(2, '\0')));
  EXPECT_EQ(walk.result, kDsBadPacket);
  EXPECT_EQ(walk.position, packet.size() + 2);
}

// ---------------------------------------------------------------------------
// Nested tables and the table list

std::string NestedPacket(const std::string& detail_value) {
  W w;
  w.Column("ID", TypeWord(kClassSigned, 2), 0)
      .Column("DETAIL", TypeWord(kClassNested, 1), 0)
      .Column("X", TypeWord(kClassSigned, 1), 0)
      .TableProperties()
      .Column("TAIL", TypeWord(kClassSigned, 1), 0)
      .TableProperties({{"T", TypeWord(kClassSigned, 1), W::Int(1, 1)}})
      .Row({W::Slot::Value(W::Int(10, 2)), W::Slot::Value(detail_value), W::Slot::Value(W::Int(99, 1))});
  return w.Finish();
}

TEST(DatapacketReaderNested, NestedRowsFollowTheirCount) {
  Bound b(NestedPacket(
      W::Nested({W::EncodeRow({W::Slot::Value(W::Int(1, 1))}), W::EncodeRow({W::Slot::Null()})})));
  ASSERT_EQ(b.SkipMetadata(), kDsOk);
  DsResult r;
  DsSlotState state;
  EXPECT_EQ(b.Field(r, state), std::string(1, '\0'));
  EXPECT_EQ(b.Field(r, state), W::Int(10, 2));
  EXPECT_EQ(b.Field(r, state), W::Int(2, 4));  // the nested count
  EXPECT_EQ(b.Field(r, state), std::string(1, '\0'));
  EXPECT_EQ(b.Field(r, state), W::Int(1, 1));
  EXPECT_EQ(b.Field(r, state), std::string(1, '\0'));
  b.Field(r, state);
  EXPECT_EQ(r, kDsNullValue);
  EXPECT_EQ(b.Field(r, state), W::Int(99, 1));  // the parent row goes on
  b.Field(r, state);
  EXPECT_EQ(r, kDsEnd);
}

TEST(DatapacketReaderNested, CountZeroOrBelowHasNoRows) {
  for (std::int32_t count : {0, -1}) {
    Bound b(NestedPacket(W::Nested({}, count)));
    ASSERT_EQ(b.SkipMetadata(), kDsOk);
    DsResult r;
    DsSlotState state;
    b.Field(r, state);
    b.Field(r, state);
    EXPECT_EQ(b.Field(r, state), W::Int(count, 4));
    EXPECT_EQ(b.Field(r, state), W::Int(99, 1)) << count;
    b.Field(r, state);
    EXPECT_EQ(r, kDsEnd);
  }
}

TEST(DatapacketReaderNested, CountBeyondTheBytesIsRefused) {
  Bound b(NestedPacket(W::Nested({}, 1000)));
  ASSERT_EQ(b.SkipMetadata(), kDsOk);
  DsResult r;
  DsSlotState state;
  b.Field(r, state);
  b.Field(r, state);
  const std::size_t at = b->Position();
  b.Field(r, state);
  EXPECT_EQ(r, kDsBadPacket);
  EXPECT_EQ(b->Position(), at);
}

TEST(DatapacketReaderNested, NestedColumnCountBeyondTheColumnsLeftIsRefused) {
  W w;
  w.Column("DETAIL", TypeWord(kClassNested, 2), 0).Column("X", TypeWord(kClassSigned, 1), 0);
  w.SetColumnCount(2);
  Bound b(w.Finish());
  DSColumnDesc column;
  EXPECT_EQ(b->GetNextColumnDesc(&column), kDsBadPacket);
}

// A chain of `nested` tables, each the only column of its parent, ending in one plain column.
std::string TableChain(int nested) {
  W w;
  for (int i = 0; i < nested; ++i)
    w.Column("N", TypeWord(kClassNested, static_cast<std::uint32_t>(nested - i)), 0);
  w.Column("LEAF", TypeWord(kClassSigned, 1), 0);
  for (int i = 0; i <= nested; ++i) w.TableProperties();
  w.SetRowCount(0);
  return w.Finish();
}

TEST(DatapacketReaderNested, SixtyThreeTablesAreAcceptedTheSixtyFourthIsNot) {
  const auto walk = WalkPacket(AsBytes(TableChain(62)));
  EXPECT_EQ(walk.result, kDsOk);
  EXPECT_EQ(walk.columns, 63u);
  const auto refused = WalkPacket(AsBytes(TableChain(63)));
  EXPECT_EQ(refused.result, kDsBadCall);
  EXPECT_EQ(refused.columns, 62u);
}

TEST(DatapacketReaderNested, ArrayColumnRepeatsItsElementSlot) {
  W w;
  w.Column("A", TypeWord(kClassArray, 3), 0)
      .Column("E", TypeWord(kClassSigned, 2), 0)
      .Column("Z", TypeWord(kClassSigned, 1), 0)
      .TableProperties()
      .Row({W::Slot::Value(""), W::Slot::Value(W::Int(1, 2)), W::Slot::Null(), W::Slot::Value(W::Int(3, 2)),
            W::Slot::Value(W::Int(4, 1))});
  const auto walk = WalkPacket(AsBytes(w.Finish()));
  EXPECT_EQ(walk.result, kDsOk);
  EXPECT_EQ(walk.values, 5u);  // status, the array's empty slot, two elements, Z
  EXPECT_EQ(walk.nulls, 1u);
}

TEST(DatapacketReaderNested, ArraysAreLimitedInElementsAndKind) {
  const auto with_array = [](std::uint32_t elements, std::uint32_t element_type) {
    W w;
    w.Column("A", TypeWord(kClassArray, elements), 0).Column("E", element_type, 0).TableProperties();
    Bound b(w.Finish());
    return b.SkipMetadata();
  };
  EXPECT_EQ(with_array(DsReaderLimits::kMaxArrayElements, TypeWord(kClassSigned, 1)), kDsOk);
  EXPECT_EQ(with_array(DsReaderLimits::kMaxArrayElements + 1, TypeWord(kClassSigned, 1)), kDsUnsupportedType);
  EXPECT_EQ(with_array(2, TypeWord(kClassAdt, 0)), kDsUnsupportedType);
  W last;  // an array column with no element column after it
  last.Column("A", TypeWord(kClassArray, 2), 0).TableProperties();
  EXPECT_EQ(Bound(last.Finish()).SkipMetadata(), kDsUnsupportedType);
}

// ---------------------------------------------------------------------------
// Appending

TEST(DatapacketReaderAppend, FurtherPacketsStartAtTheirRowOffset) {
  const std::string first = Int16Packet({1});
  const std::string second = Int16Packet({2, 3});
  Bound b(first);
  ASSERT_EQ(b.SkipMetadata(), kDsOk);
  DsResult r;
  DsSlotState state;
  b.Field(r, state);
  EXPECT_EQ(b.Field(r, state), W::Int(1, 2));
  ASSERT_EQ(b->InitAppend(AsBytes(second)), kDsOk);
  EXPECT_EQ(b->Position(), b->Header().row_offset);
  for (int v : {2, 3}) {
    b.Field(r, state);
    EXPECT_EQ(b.Field(r, state), W::Int(v, 2));
  }
  b.Field(r, state);
  EXPECT_EQ(r, kDsEnd);

  // Without the row-offset bit, rows of a packet without metadata start at HeaderSize.
  W rows_only;
  rows_only.Row({W::Slot::Value(W::Int(4, 2))}).SetAttributes(0);
  const std::string third = rows_only.Finish();  // the caller keeps the bytes while rows are read
  ASSERT_EQ(b->InitAppend(AsBytes(third)), kDsOk);
  b.Field(r, state);
  EXPECT_EQ(b.Field(r, state), W::Int(4, 2));
  // With metadata and rows but no valid row offset: refused.
  std::string no_offset = second;
  no_offset.replace(kOffAttributes, 4, Le(kHasMetadata, 4));
  EXPECT_EQ(b->InitAppend(AsBytes(no_offset)), kDsBadPacket);
  std::string bad_offset = second;
  bad_offset.replace(kOffRowOffset, 2, Le(second.size() + 1, 2));
  EXPECT_EQ(b->InitAppend(AsBytes(bad_offset)), kDsBadPacket);
  // An empty one adds nothing.
  ASSERT_EQ(b->InitAppend(AsBytes(Int16Packet({}))), kDsOk);
  b.Field(r, state);
  EXPECT_EQ(r, kDsEnd);
}

// ---------------------------------------------------------------------------
// Bounds

// A small packet with every kind of item: properties, a long name, nulls,
// varying values, nested rows.
std::string EveryItemPacket() {
  W w;
  w.Column("ID", TypeWord(kClassSigned, 4), kRequired, {testing_support::Origin("T.ID")})
      .Column("NAME", TypeWord(kClassString, 1, kVarying), 0,
              {{"WIDTH", TypeWord(kClassUnsigned, 2), W::Int(24, 2)}})
      .Column("DETAIL", TypeWord(kClassNested, 1), 0)
      .Column("V", TypeWord(kClassBytes, 2, kVarying), 0)
      .TableProperties()
      .Column("F", TypeWord(kClassFloat, 8), 0)
      .TableProperties({{"KEYS", TypeWord(kClassSigned, 2, kArray), W::Array({W::Int(1, 2)})}})
      .Row({W::Slot::Value(W::Int(7, 4)), W::Slot::Value(W::Varying("ИВАНОВ ИИ", 1)),
            W::Slot::Value(W::Nested({W::EncodeRow({W::Slot::Value(W::Varying("xyz", 2))})})),
            W::Slot::Value(W::Float64(1.5))})
      .Row({W::Slot::Null(), W::Slot::Value(W::Varying("", 1)), W::Slot::Value(W::Nested({})),
            W::Slot::Null()});
  return w.Finish();
}

TEST(DatapacketReaderBounds, TruncationAtEveryOffsetIsRefused) {
  const std::string packet = EveryItemPacket();
  const auto whole = WalkPacket(AsBytes(packet));
  ASSERT_EQ(whole.result, kDsOk);
  ASSERT_EQ(whole.position, packet.size());
  EXPECT_EQ(WalkPacket({}).result, kDsBadCall);  // no block at all
  for (std::size_t length = 1; length < packet.size(); ++length) {
    const std::vector<std::uint8_t> cut(packet.begin(), packet.begin() + static_cast<std::ptrdiff_t>(length));
    const auto walk = WalkPacket(std::span<const std::uint8_t>(cut.data(), cut.size()));
    EXPECT_EQ(walk.result, kDsBadPacket) << "length " << length;
    EXPECT_LE(walk.position, length);
  }
}

TEST(DatapacketReaderBounds, EveryCodeHasAMessage) {
  auto reader = DSEXTRACT::Create();
  DsErrorText text;
  for (DsResult code : {kDsEnd, kDsNoMessage, kDsOutOfMemory, kDsNullValue, kDsBufferTooSmall,
                        kDsUnsupportedType, kDsBadCall, kDsNoMetadata, kDsNoReader, kDsBadPacket}) {
    EXPECT_EQ(reader->GetErrorString(code, &text), kDsOk) << std::hex << code;
    EXPECT_GT(std::strlen(text.data()), 5u);
  }
  EXPECT_EQ(reader->GetErrorString(0x1234, &text), kDsNoMessage);
  EXPECT_STREQ(text.data(), "");
}

// ---------------------------------------------------------------------------
// The directory's packets, as the build makes them

void ExpectDirectoryPacket(const char* file, std::size_t bytes, std::uint32_t rows, std::size_t row_offset,
                           std::size_t properties) {
  const auto packet = testing_support::ReadBuiltPacket(file);
  ASSERT_TRUE(packet) << "missing " << (testing_support::BuiltPacketDir() / file);
  EXPECT_EQ(packet->size(), bytes);
  Bound b(*packet);
  EXPECT_EQ(b->Header().row_count, rows);
  EXPECT_EQ(b->Header().row_offset, row_offset);
  const auto walk = WalkPacket(AsBytes(*packet));
  EXPECT_EQ(walk.result, kDsOk);
  EXPECT_EQ(walk.columns, 2u);
  EXPECT_EQ(walk.properties, properties);
  EXPECT_EQ(walk.metadata_end, row_offset);
  EXPECT_EQ(walk.values, std::size_t{rows} * 3);  // status byte and two values per row
  EXPECT_EQ(walk.nulls + walk.not_changed, 0u);
  EXPECT_EQ(walk.position, packet->size());  // the last row ends the block
}

TEST(DatapacketReaderDirectory, PersonPacketReadsCompletely) {
  ExpectDirectoryPacket(testing_support::kPersonPacketFile, testing_support::PersonPacketSize(),
                        static_cast<std::uint32_t>(testing_support::ShippedPersonCount()),
                        testing_support::kPersonPacketMetadata, 2);
}

TEST(DatapacketReaderDirectory, PhonePacketReadsCompletely) {
  ExpectDirectoryPacket(testing_support::kPhonePacketFile, testing_support::PhonePacketSize(),
                        static_cast<std::uint32_t>(testing_support::ShippedNumberCount()),
                        testing_support::kPhonePacketMetadata, 2);
}

}  // namespace
