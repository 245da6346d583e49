#include "data/fld_conv.h"

#include "data/datapacket_format.h"

namespace data {

namespace {

using namespace data::packet;

// Text and byte classes: fixed of any width, or length-prefixed.
bool IsTextLike(std::uint32_t type_class) {
  switch (type_class) {
    case kClassString:
    case kClassWideString:
    case kClassBytes:
    case kClassBytes16:
      return true;
    default:
      return type_class == 0 || type_class == 15 || type_class >= 19;
  }
}

bool IsIntWidth(std::uint32_t width) {
  return width == 1 || width == 2 || width == 4 || width == 8;
}

std::unique_ptr<FLDConv> MakeInt(std::uint32_t width, bool is_unsigned) {
  switch (width) {
    case 1:
      return std::make_unique<FLDCInt8>(is_unsigned);
    case 2:
      return std::make_unique<FLDCInt16>(is_unsigned);
    case 4:
      return std::make_unique<FLDCInt32>(is_unsigned);
    case 8:
      return std::make_unique<FLDCInt64>(is_unsigned);
    default:
      return nullptr;
  }
}

// Which codec a type word takes; kNone when it has none. One table for
// MakeFieldCodec and HasFieldCodec.
enum class Kind {
  kNone,
  kSigned,
  kUnsigned,
  kFloat,
  kFloatIeee,
  kBcd,
  kFixed,
  kVar,
  kNestedCount,
  kSqlTimestamp
};

Kind KindOf(std::uint32_t type_word) {
  const std::uint32_t type_class = TypeClassOf(type_word);
  const std::uint32_t width = WidthOf(type_word);
  const bool varying = (type_word & kVarying) != 0;
  if (varying && (type_word & kArray)) return Kind::kNone;
  if (varying) {
    return IsTextLike(type_class) && (width == 1 || width == 2 || width == 4) ? Kind::kVar : Kind::kNone;
  }
  switch (type_class) {
    case kClassSigned:
    case kClassDate:
    case kClassTime:
    case kClassBoolean:  // width 8 is read, though the row store gives it no type
      return IsIntWidth(width) ? Kind::kSigned : Kind::kNone;
    case kClassUnsigned:
      return IsIntWidth(width) ? Kind::kUnsigned : Kind::kNone;
    case kClassFloat:
      return width == 8 ? Kind::kFloat : width == 10 ? Kind::kFloatIeee : Kind::kNone;
    case kClassTimestamp:
      return width == 8 ? Kind::kFloat : Kind::kNone;
    case kClassBcd:
    case kClassFmtBcd:
      return Kind::kBcd;
    case kClassAdt:
    case kClassArray:
      return Kind::kFixed;  // width 0: nothing stored of its own
    case kClassNested:
      return Kind::kNestedCount;
    case kClassSqlTimestamp:
      return width == 16 ? Kind::kSqlTimestamp : Kind::kNone;
    default:
      return IsTextLike(type_class) ? Kind::kFixed : Kind::kNone;
  }
}

bool ReadPrefixed(base::ByteCursor& cursor, std::uint64_t length, FieldValue& value) {
  if (!cursor.ReadSpan(length, value.bytes)) return false;
  value.length = static_cast<std::uint32_t>(length);
  return true;
}

}  // namespace

bool FLDCVar8::Read(base::ByteCursor& cursor, FieldValue& value) const {
  std::uint8_t length = 0;
  return cursor.Read(length) && ReadPrefixed(cursor, length, value);
}

bool FLDCVar16::Read(base::ByteCursor& cursor, FieldValue& value) const {
  std::uint16_t length = 0;
  return cursor.Read(length) && ReadPrefixed(cursor, length, value);
}

bool FLDCVar32::Read(base::ByteCursor& cursor, FieldValue& value) const {
  std::int32_t length = 0;
  if (!cursor.Read(length)) return false;
  if (length < 0) {  // no bytes follow; the negative length is passed on
    value.bytes = {};
    value.length = static_cast<std::uint32_t>(length);
    return true;
  }
  return ReadPrefixed(cursor, static_cast<std::uint64_t>(length), value);
}

std::unique_ptr<FLDConv> MakeFieldCodec(std::uint32_t type_word) {
  const std::uint32_t width = WidthOf(type_word);
  switch (KindOf(type_word)) {
    case Kind::kNone:
      return nullptr;
    case Kind::kSigned:
      return MakeInt(width, false);
    case Kind::kUnsigned:
      return MakeInt(width, true);
    case Kind::kFloat:
      return std::make_unique<FLDCFloat>();
    case Kind::kFloatIeee:
      return std::make_unique<FLDCFloatIEEE>();
    case Kind::kBcd:
      return std::make_unique<FLDCBcd>(width);
    case Kind::kFixed:
      return std::make_unique<FLDCFixed>(
          TypeClassOf(type_word) == kClassAdt || TypeClassOf(type_word) == kClassArray ? 0 : width);
    case Kind::kVar:
      if (width == 1) return std::make_unique<FLDCVar8>();
      if (width == 2) return std::make_unique<FLDCVar16>();
      return std::make_unique<FLDCVar32>();
    case Kind::kNestedCount:
      return std::make_unique<FLDCInt32>(true);
    case Kind::kSqlTimestamp:
      return std::make_unique<FLDCSQLTIMESTAMP>();
  }
  return nullptr;
}

bool HasFieldCodec(std::uint32_t type_word) {
  return KindOf(type_word) != Kind::kNone;
}

}  // namespace data
