#include "data/field_def.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>

#include "base/ascii_name.h"
#include "base/format.h"

namespace data {

namespace {

TFieldType BaseType(uint32_t logical_type) {
  using F = TFieldType;
  switch (logical_type) {
    case 1:
      return F::ftString;
    case 2:
      return F::ftDate;
    case 3:
      return F::ftBlob;
    case 4:
      return F::ftBoolean;
    case 5:
      return F::ftSmallint;
    case 6:
      return F::ftInteger;
    case 7:
      return F::ftFloat;
    case 8:
      return F::ftBCD;
    case 9:
      return F::ftBytes;
    case 10:
      return F::ftTime;
    case 11:
      return F::ftDateTime;
    case 12:
      return F::ftWord;
    case 13:
      return F::ftInteger;
    case 15:
      return F::ftVarBytes;
    case 18:
    case 19:
      return F::ftLargeint;
    case 20:
      return F::ftADT;
    case 21:
      return F::ftArray;
    case 22:
      return F::ftReference;
    case 23:
      return F::ftDataSet;
    case 24:
      return F::ftTimeStamp;
    case 25:
      return F::ftFMTBcd;
    case logical::kWideString:
      return F::ftWideString;
    default:
      return F::ftUnknown;
  }
}

class DefBuilder {
 public:
  explicit DefBuilder(const std::vector<FieldDescriptor>& descriptors) : descriptors_(descriptors) {}

  std::vector<TFieldDef> All() {
    std::vector<TFieldDef> defs;
    while (next_ < descriptors_.size()) {
      if (auto def = One()) defs.push_back(std::move(*def));
    }
    return defs;
  }

 private:
  // The definition of the next descriptor (with its children), or nothing
  // for a link column or an unknown type.
  std::optional<TFieldDef> One() {
    const int32_t column = static_cast<int32_t>(next_) + 1;
    const FieldDescriptor& d = descriptors_[next_++];
    if (d.attributes & faLink) {
      ++number_;
      return std::nullopt;
    }
    const DerivedType derived = DeriveFieldType(d);
    if (derived.type == TFieldType::ftUnknown) return std::nullopt;
    TFieldDef def;
    def.Name = UniqueName(d.name);
    def.DataType = derived.type;
    def.Size = derived.size;
    def.Precision = derived.precision;
    def.Attributes = derived.attributes;
    def.InternalCalcField = derived.internal_calc;
    def.FieldNo = number_++;
    def.Column = column;
    if (derived.type == TFieldType::ftADT) {
      for (int32_t i = 0; i < d.units1 && next_ < descriptors_.size(); ++i) {
        if (auto child = One()) def.ChildDefs.push_back(std::move(*child));
      }
    } else if (derived.type == TFieldType::ftArray) {
      if (next_ < descriptors_.size()) {
        if (auto child = One()) def.ChildDefs.push_back(std::move(*child));
      }
      number_ += d.units2;
    }
    return def;
  }

  std::string UniqueName(const std::string& name) {
    std::string candidate = name;
    for (int suffix = 1; Taken(candidate); ++suffix) candidate = base::Format("%s_%d", name.c_str(), suffix);
    names_.push_back(candidate);
    return candidate;
  }
  bool Taken(const std::string& name) const {
    for (const auto& taken : names_) {
      if (base::SameNameIgnoringAsciiCase(taken, name)) return true;
    }
    return false;
  }

  const std::vector<FieldDescriptor>& descriptors_;
  size_t next_ = 0;
  int32_t number_ = 1;
  std::vector<std::string> names_;
};

}  // namespace

DerivedType DeriveFieldType(const FieldDescriptor& d) {
  using F = TFieldType;
  DerivedType out;
  out.type = BaseType(d.logical_type);
  switch (d.logical_type) {
    case logical::kString:
    case logical::kBytes:
    case logical::kVarBytes:
    case logical::kAdt:
    case logical::kArray:
      out.size = d.units1;
      if (d.subtype == subtype::kGuid) out.type = F::ftGuid;
      break;
    case logical::kBlob:
      out.size = d.units1;
      if (d.subtype >= 22 && d.subtype <= 28) {
        static constexpr F kBlobTypes[] = {F::ftMemo,    F::ftBlob,     F::ftFmtMemo,    F::ftParadoxOle,
                                           F::ftGraphic, F::ftDBaseOle, F::ftTypedBinary};
        out.type = kBlobTypes[d.subtype - 22];
      } else if (d.subtype == subtype::kHMemo) {
        out.type = F::ftOraClob;
      } else if (d.subtype == subtype::kHBinary) {
        out.type = F::ftOraBlob;
      }
      break;
    case logical::kInt16:
    case logical::kUInt16:
      if (d.length != 2) out.type = F::ftUnknown;
      break;
    case logical::kInt32:
      if (d.subtype == subtype::kAutoinc) out.type = F::ftAutoInc;
      break;
    case logical::kFloat:
      if (d.subtype == subtype::kMoney) out.type = F::ftCurrency;
      break;
    case logical::kBcd:
    case logical::kFmtBcd:
      out.size = static_cast<int32_t>(std::min<int64_t>(std::llabs(int64_t{d.units2}), INT32_MAX));
      out.precision = d.units1;
      if (d.logical_type == logical::kFmtBcd) out.type = F::ftFMTBcd;
      break;
    case logical::kNested:
      if (d.subtype == subtype::kReference) out.type = F::ftReference;
      break;
    case logical::kWideString:
      out.size = d.units1 / 2;
      break;
    default:
      break;
  }
  out.attributes = d.attributes;
  if (d.subtype == subtype::kFixedChar) out.attributes |= faFixed;
  out.internal_calc = d.calculated;
  return out;
}

const TFieldDef* TFieldDefs::Find(std::string_view name) const {
  for (const auto& def : defs_) {
    if (base::SameNameIgnoringAsciiCase(def.Name, name)) return &def;
  }
  return nullptr;
}

std::vector<TFieldDef> MakeFieldDefs(const std::vector<FieldDescriptor>& descriptors) {
  return DefBuilder(descriptors).All();
}

}  // namespace data
