#include "data/field_type.h"

#include <array>
#include <utility>

#include "data/datapacket_format.h"

namespace data {

namespace {

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

constexpr std::array<std::pair<std::string_view, uint32_t>, 18> kSubtypes = {{{"Money", 21},
                                                                              {"Text", 22},
                                                                              {"Binary", 23},
                                                                              {"Formatted", 24},
                                                                              {"Ole", 25},
                                                                              {"Graphics", 26},
                                                                              {"dBASEOle", 27},
                                                                              {"TypedBinary", 28},
                                                                              {"Autoinc", 29},
                                                                              {"AccessOle", 30},
                                                                              {"FixedChar", 31},
                                                                              {"HMemo", 33},
                                                                              {"HBinary", 34},
                                                                              {"ADTNestedTable", 35},
                                                                              {"BFile", 36},
                                                                              {"ADTDate", 37},
                                                                              {"Guid", 38},
                                                                              {"Reference", 70}}};

constexpr std::array<const char*, 38> kTypeNames = {
    "ftUnknown",    "ftString",     "ftSmallint", "ftInteger",     "ftWord",      "ftBoolean",
    "ftFloat",      "ftCurrency",   "ftBCD",      "ftDate",        "ftTime",      "ftDateTime",
    "ftBytes",      "ftVarBytes",   "ftAutoInc",  "ftBlob",        "ftMemo",      "ftGraphic",
    "ftFmtMemo",    "ftParadoxOle", "ftDBaseOle", "ftTypedBinary", "ftCursor",    "ftFixedChar",
    "ftWideString", "ftLargeint",   "ftADT",      "ftArray",       "ftReference", "ftDataSet",
    "ftOraBlob",    "ftOraClob",    "ftVariant",  "ftInterface",   "ftIDispatch", "ftGuid",
    "ftTimeStamp",  "ftFMTBcd",
};

}  // namespace

const char* FieldTypeName(TFieldType type) {
  const auto index = static_cast<size_t>(type);
  return index < kTypeNames.size() ? kTypeNames[index] : "ftUnknown";
}

uint32_t LogicalTypeOf(uint32_t type_word) {
  using namespace packet;
  const uint32_t width = WidthOf(type_word);
  switch (TypeClassOf(type_word)) {
    case kClassSigned:
      return width == 1   ? logical::kInt8
             : width == 2 ? logical::kInt16
             : width == 4 ? logical::kInt32
             : width == 8 ? logical::kInt64
                          : logical::kUnknown;
    case kClassUnsigned:
      return width == 1   ? logical::kUInt8
             : width == 2 ? logical::kUInt16
             : width == 4 ? logical::kUInt32
             : width == 8 ? logical::kUInt64
                          : logical::kUnknown;
    case kClassBoolean:
      return width == 1   ? logical::kBoolean8
             : width == 2 ? logical::kBoolean16
             : width == 4 ? logical::kBoolean32
                          : logical::kUnknown;
    case kClassFloat:
      return width == 8 ? logical::kFloat : width == 10 ? logical::kFloat80 : logical::kUnknown;
    case kClassBcd:
      return logical::kBcd;
    case kClassDate:
      return logical::kDate;
    case kClassTime:
      return logical::kTime;
    case kClassTimestamp:
      return logical::kTimestamp;
    case kClassString:
      return logical::kString;
    case kClassWideString:
      return logical::kWideString;
    case kClassBytes:
    case kClassBytes16:
      if ((type_word & kVarying) == 0) return logical::kBytes;
      return width == 4 ? logical::kBlob : logical::kVarBytes;
    case kClassAdt:
      return logical::kAdt;
    case kClassArray:
      return logical::kArray;
    case kClassNested:
      return logical::kNested;
    case kClassSqlTimestamp:
      return logical::kSqlTimestamp;
    case kClassFmtBcd:
      return logical::kFmtBcd;
    default:
      return logical::kUnknown;
  }
}

uint32_t SubtypeCode(std::string_view name) {
  for (const auto& [known, code] : kSubtypes) {
    if (EqualsNoCase(known, name)) return code;
  }
  return subtype::kUnknownName;
}

}  // namespace data
