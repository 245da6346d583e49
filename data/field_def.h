// TFieldDef / TFieldDefs: the table facade's column definitions, derived from
// the row store's field descriptors.
//
// MakeFieldDefs walks the descriptors with a running field number from 1:
// a link column is skipped but takes a number; every other descriptor gets
// the field type of its logical type (DeriveFieldType) and, unless that is
// ftUnknown, a definition with the next number. Abstract data types take the
// following descriptors as their children, arrays the next one.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "data/field_descriptor.h"
#include "data/field_type.h"

namespace data {

class TFieldDef {
 public:
  std::string Name;
  TFieldType DataType = TFieldType::ftUnknown;
  int32_t Size = 0;
  int32_t Precision = 0;
  uint16_t Attributes = 0;
  int32_t FieldNo = 0;  // the running definition number (unknown types take none)
  int32_t Column = 0;   // 1-based position of the descriptor in the row store
  bool InternalCalcField = false;
  std::vector<TFieldDef> ChildDefs;  // ADT children, the array's element
};

// The type and size that a descriptor's definition gets, before numbering and
// naming (the logical-type table and its refinements, in order).
struct DerivedType {
  TFieldType type = TFieldType::ftUnknown;
  int32_t size = 0;
  int32_t precision = 0;
  uint16_t attributes = 0;
  bool internal_calc = false;
};
DerivedType DeriveFieldType(const FieldDescriptor& descriptor);

class TFieldDefs {
 public:
  size_t Count() const { return defs_.size(); }
  const TFieldDef& operator[](size_t i) const { return defs_[i]; }
  const std::vector<TFieldDef>& Items() const { return defs_; }
  // The definition of that name (ASCII case ignored), top level only, or null.
  const TFieldDef* Find(std::string_view name) const;
  void Clear() { defs_.clear(); }
  void Assign(std::vector<TFieldDef> defs) { defs_ = std::move(defs); }

 private:
  std::vector<TFieldDef> defs_;
};

// The definitions of a row store's descriptors (see above). Duplicate names
// get "_1", "_2", ... until unique among all definitions made.
std::vector<TFieldDef> MakeFieldDefs(const std::vector<FieldDescriptor>& descriptors);

}  // namespace data
