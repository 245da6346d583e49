#include "resources/value_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "resources/component_stream_writer.h"
#include "resources/extended_real.h"
#include "resources/read_error.h"
#include "text/literal.h"

namespace {

using resources::ComponentStreamWriter;
using resources::EReadError;
using resources::StreamLimits;
using resources::Value;
using resources::ValueReader;
using resources::ValueTag;

// Reads one value from `w`'s bytes and checks that it took exactly all of them.
Value ReadOne(const ComponentStreamWriter& w) {
  ValueReader reader(w.Bytes(), StreamLimits{});
  Value value = reader.ReadValue();
  EXPECT_TRUE(reader.AtEnd());
  ValueReader skipper(w.Bytes(), StreamLimits{});
  skipper.SkipValue();
  EXPECT_TRUE(skipper.AtEnd()) << "skipping must consume exactly the value";
  return value;
}

// The message of the read error `read` raises, or "no error".
template <typename Read>
std::string ErrorOf(Read read) {
  try {
    read();
  } catch (const EReadError& error) {
    return error.Message();
  }
  return "no error";
}

std::string MessageOf(const ComponentStreamWriter& w, const StreamLimits& limits = {}) {
  ValueReader reader(w.Bytes(), limits);
  return ErrorOf([&] { reader.ReadValue(); });
}

TEST(ValueReaderTags, IntegersTakeTheSmallestTagAndSignExtend) {
  const struct {
    std::int64_t value;
    ValueTag tag;
  } cases[] = {{0, ValueTag::kInt8},
               {-128, ValueTag::kInt8},
               {127, ValueTag::kInt8},
               {128, ValueTag::kInt16},
               {-32768, ValueTag::kInt16},
               {-32769, ValueTag::kInt32},
               {INT32_MAX, ValueTag::kInt32},
               {INT32_MIN, ValueTag::kInt32},
               {std::int64_t{INT32_MAX} + 1, ValueTag::kInt64},
               {INT64_MIN, ValueTag::kInt64}};
  for (const auto& c : cases) {
    ComponentStreamWriter w;
    w.Integer(c.value);
    const Value v = ReadOne(w);
    EXPECT_EQ(v.tag, c.tag) << c.value;
    EXPECT_EQ(v.integer, c.value);
  }
}

TEST(ValueReaderTags, RealsCurrencyAndDate) {
  for (double d : {0.0, -0.0, 1.5, -0.1, 1e300, -1e-300, 4.9e-324, std::numeric_limits<double>::infinity()}) {
    ComponentStreamWriter w;
    w.Extended(d);
    const Value v = ReadOne(w);
    EXPECT_EQ(v.tag, ValueTag::kExtended);
    EXPECT_EQ(v.real, d);
    EXPECT_EQ(std::signbit(v.real), std::signbit(d));
  }
  // The extended layout itself: 1.0 is mantissa 0x8000000000000000, exponent 16383.
  EXPECT_EQ(resources::EncodeExtended(1.0),
            (std::array<std::uint8_t, 10>{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));
  EXPECT_TRUE(std::isnan(resources::DecodeExtended({0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F})));
  // Beyond the double range: an infinity, not undefined behaviour.
  EXPECT_TRUE(std::isinf(resources::DecodeExtended({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x7F})));

  ComponentStreamWriter w;
  w.BeginList().Single(0.25f).Currency(-12345678).Date(37895.5).EndList();
  const Value v = ReadOne(w);
  ASSERT_EQ(v.list.size(), 3u);
  EXPECT_EQ(v.list[0].tag, ValueTag::kSingle);
  EXPECT_EQ(v.list[0].real, 0.25);
  EXPECT_EQ(v.list[1].tag, ValueTag::kCurrency);
  EXPECT_EQ(v.list[1].integer, -12345678);
  EXPECT_EQ(v.list[2].tag, ValueTag::kDate);
  EXPECT_EQ(v.list[2].real, 37895.5);
}

TEST(ValueReaderTags, TextsArriveAs1251) {
  constexpr auto kCity = text::Cp1251(u8"г.Тальмир");
  ComponentStreamWriter w;
  w.BeginList()
      .String(kCity)
      .Ident("clBtnFace")
      .LongString(std::string(300, 'x'))
      .WideString(u"г.Тальмир")
      .Utf8String(u8"г.Тальмир")
      .WideString(u"a\u4E2Db")     // a character 1251 cannot hold
      .Utf8StringBytes("a\xC3(b")  // malformed UTF-8
      .WideString(u"\xD800z")      // an unpaired surrogate
      .EndList();
  const Value v = ReadOne(w);
  ASSERT_EQ(v.list.size(), 8u);
  EXPECT_EQ(v.list[0].text, kCity.view());
  EXPECT_EQ(v.list[1].tag, ValueTag::kIdent);
  EXPECT_EQ(v.list[1].text, "clBtnFace");
  EXPECT_EQ(v.list[2].text, std::string(300, 'x'));
  EXPECT_EQ(v.list[3].text, kCity.view());
  EXPECT_EQ(v.list[3].wide, u"г.Тальмир");
  EXPECT_EQ(v.list[4].text, kCity.view());
  EXPECT_EQ(v.list[5].text, "a?b");
  EXPECT_EQ(v.list[6].text, "a?(b");
  EXPECT_EQ(v.list[7].text, "?z");
}

TEST(ValueReaderTags, BooleansNilBinarySetsListsAndCollections) {
  ComponentStreamWriter w;
  w.BeginList()
      .Boolean(true)
      .Boolean(false)
      .Nil()
      .Binary(std::string("\x00\x01\xFF", 3))
      .Set({"akLeft", "akTop"});
  w.BeginList().BeginList().EndList().EndList();  // nested lists
  w.BeginCollection()
      .BeginItem(7)
      .Property("Width")
      .Integer(50)
      .EndItem()
      .BeginItem()
      .EndItem()
      .EndCollection();
  w.EndList();
  const Value v = ReadOne(w);
  ASSERT_EQ(v.list.size(), 7u);
  EXPECT_EQ(v.list[0].tag, ValueTag::kTrue);
  EXPECT_EQ(v.list[1].tag, ValueTag::kFalse);
  EXPECT_EQ(v.list[2].tag, ValueTag::kNil);
  EXPECT_EQ(std::vector<std::uint8_t>(v.list[3].binary.begin(), v.list[3].binary.end()),
            (std::vector<std::uint8_t>{0, 1, 255}));
  EXPECT_EQ(v.list[4].set, (std::vector<std::string>{"akLeft", "akTop"}));
  ASSERT_EQ(v.list[5].list.size(), 1u);
  EXPECT_TRUE(v.list[5].list[0].list.empty());
  const auto& items = v.list[6].items;
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].index, 7);
  ASSERT_EQ(items[0].properties.size(), 1u);
  EXPECT_EQ(items[0].properties[0].name, "Width");
  EXPECT_EQ(items[0].properties[0].value.integer, 50);
  EXPECT_FALSE(items[1].index.has_value());
  EXPECT_TRUE(items[1].properties.empty());
}

TEST(ValueReaderFailures, UnknownTagAndBadCollectionItem) {
  ComponentStreamWriter unknown;
  unknown.Byte(21);
  EXPECT_EQ(MessageOf(unknown), "Invalid property value");
  ComponentStreamWriter no_list;
  no_list.BeginCollection().Integer(1).Integer(2).EndCollection();  // an index, then no list tag
  EXPECT_EQ(MessageOf(no_list), "Invalid property value");
}

TEST(ValueReaderFailures, CountsAreCheckedBeforeAnythingIsTaken) {
  ComponentStreamWriter huge;
  huge.Tag(ValueTag::kLongString).Raw("\xFF\xFF\xFF\x7F").Raw("abc");
  EXPECT_EQ(MessageOf(huge), "Stream holds too many elements");
  ComponentStreamWriter wide;
  wide.Tag(ValueTag::kWideString).Raw(std::string("\x03\x00\x00\x00", 4)).Raw("abcde");  // 3 units, 5 bytes
  EXPECT_EQ(MessageOf(wide), "Stream read error");
  ComponentStreamWriter binary;
  binary.Tag(ValueTag::kBinary).Raw(std::string("\x10\x00\x00\x00", 4)).Raw("short");
  EXPECT_EQ(MessageOf(binary), "Stream read error");
}

TEST(ValueReaderFailures, NestingAndElementLimits) {
  ComponentStreamWriter deep;
  for (int i = 0; i < 40; ++i) deep.BeginList();
  for (int i = 0; i < 40; ++i) deep.EndList();
  EXPECT_EQ(MessageOf(deep), "Stream nested too deeply");
  StreamLimits few;
  few.max_elements = 2;
  ComponentStreamWriter three;
  three.Set({"a", "b", "c"});
  EXPECT_EQ(MessageOf(three, few), "Stream holds too many elements");
  ComponentStreamWriter two;
  two.Set({"a", "b"});
  EXPECT_EQ(MessageOf(two, few), "no error");
}

TEST(ValueReaderFailures, EveryTruncationIsAReadError) {
  ComponentStreamWriter w;
  w.BeginList().Integer(-5).Integer(1000).Integer(100000).Int64(1).Extended(2.5).String("ab").Ident("x");
  w.Boolean(true).Binary("xyz").Set({"s"}).LongString("long").Nil();
  w.BeginCollection().BeginItem(0).Property("P").Integer(1).EndItem().EndCollection();
  w.Single(1).Currency(2).Date(3).WideString(u"w").Int64(-1).Utf8String(u8"ж").EndList();
  const auto bytes = w.Bytes();
  for (std::size_t size = 0; size < bytes.size(); ++size) {
    ValueReader reader(bytes.first(size), StreamLimits{});
    EXPECT_EQ(ErrorOf([&] { reader.ReadValue(); }), resources::kReadPastEnd) << "cut at " << size;
    ValueReader skipper(bytes.first(size), StreamLimits{});
    EXPECT_EQ(ErrorOf([&] { skipper.SkipValue(); }), resources::kReadPastEnd) << "cut at " << size;
  }
}

TEST(ValueReaderSignature, OnlyTheFourSignatureBytesPass) {
  const std::uint8_t good[] = {'T', 'P', 'F', '0'};
  ValueReader ok(good, StreamLimits{});
  EXPECT_NO_THROW(ok.ReadSignature());
  for (std::span<const std::uint8_t> bad :
       {std::span<const std::uint8_t>(good, 3),
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>("TPF1"), 4)}) {
    ValueReader reader(bad, StreamLimits{});
    try {
      reader.ReadSignature();
      ADD_FAILURE() << "accepted";
    } catch (const EReadError& error) {
      EXPECT_EQ(error.Message(), "Invalid stream format");
    }
  }
}

}  // namespace
