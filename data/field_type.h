// Field types, logical types and subtypes: how a packet column becomes a
// typed field.
//
//   packet type word --LogicalTypeOf--> logical type (row store)
//   logical type + refinements --DeriveFieldType (field_def.h)--> TFieldType
//
// Logical types are the row store's own numbering of value kinds; field types
// are what the table facade and its field objects speak.
#pragma once

#include <cstdint>
#include <string_view>

namespace data {

enum class TFieldType : uint8_t {
  ftUnknown,
  ftString,
  ftSmallint,
  ftInteger,
  ftWord,
  ftBoolean,
  ftFloat,
  ftCurrency,
  ftBCD,
  ftDate,
  ftTime,
  ftDateTime,
  ftBytes,
  ftVarBytes,
  ftAutoInc,
  ftBlob,
  ftMemo,
  ftGraphic,
  ftFmtMemo,
  ftParadoxOle,
  ftDBaseOle,
  ftTypedBinary,
  ftCursor,
  ftFixedChar,
  ftWideString,
  ftLargeint,
  ftADT,
  ftArray,
  ftReference,
  ftDataSet,
  ftOraBlob,
  ftOraClob,
  ftVariant,
  ftInterface,
  ftIDispatch,
  ftGuid,
  ftTimeStamp,
  ftFMTBcd,
};

// "ftSmallint" etc., for messages and the dump tool.
const char* FieldTypeName(TFieldType type);

// Field attribute bits; the same bits as the packet's column attributes.
enum TFieldAttribute : uint16_t {
  faHiddenCol = 0x01,
  faReadonly = 0x02,
  faRequired = 0x04,
  faLink = 0x08,
  faUnNamed = 0x10,
  faFixed = 0x20,
};

// The row store's logical types.
namespace logical {
inline constexpr uint32_t kUnknown = 0;
inline constexpr uint32_t kString = 1;
inline constexpr uint32_t kDate = 2;
inline constexpr uint32_t kBlob = 3;
inline constexpr uint32_t kBoolean16 = 4;
inline constexpr uint32_t kInt16 = 5;
inline constexpr uint32_t kInt32 = 6;
inline constexpr uint32_t kFloat = 7;
inline constexpr uint32_t kBcd = 8;
inline constexpr uint32_t kBytes = 9;
inline constexpr uint32_t kTime = 10;
inline constexpr uint32_t kTimestamp = 11;
inline constexpr uint32_t kUInt16 = 12;
inline constexpr uint32_t kUInt32 = 13;
inline constexpr uint32_t kFloat80 = 14;
inline constexpr uint32_t kVarBytes = 15;
inline constexpr uint32_t kInt64 = 18;
inline constexpr uint32_t kUInt64 = 19;
inline constexpr uint32_t kAdt = 20;
inline constexpr uint32_t kArray = 21;
inline constexpr uint32_t kNested = 23;
inline constexpr uint32_t kSqlTimestamp = 24;
inline constexpr uint32_t kFmtBcd = 25;
inline constexpr uint32_t kInt8 = 0x1001;
inline constexpr uint32_t kUInt8 = 0x1002;
inline constexpr uint32_t kBoolean8 = 0x1003;
inline constexpr uint32_t kBoolean32 = 0x1004;
inline constexpr uint32_t kWideString = 0x1007;
}  // namespace logical

// The logical type of a column's type word (class and width; the varying bit
// matters for the byte classes only). 0 for anything not in the table.
uint32_t LogicalTypeOf(uint32_t type_word);

// Subtype codes named by the "SUBTYPE" property.
namespace subtype {
inline constexpr uint32_t kMoney = 21;
inline constexpr uint32_t kText = 22;
inline constexpr uint32_t kBinary = 23;
inline constexpr uint32_t kTypedBinary = 28;
inline constexpr uint32_t kAutoinc = 29;
inline constexpr uint32_t kFixedChar = 31;
inline constexpr uint32_t kHMemo = 33;
inline constexpr uint32_t kHBinary = 34;
inline constexpr uint32_t kGuid = 38;
inline constexpr uint32_t kReference = 70;
inline constexpr uint32_t kUnknownName = 255;
}  // namespace subtype

// The code for a subtype name (compared without regard to ASCII case), or
// subtype::kUnknownName.
uint32_t SubtypeCode(std::string_view name);

}  // namespace data
