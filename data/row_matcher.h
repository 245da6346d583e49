// RowMatcher: tests rows of a row store against key values, for Lookup and
// LocateRow.
//
// Values are compared as typed values: an integer key field against the key
// as a number, a text key field against the key as text (byte for byte, or
// after case folding), a float field as a double. No filter expression is
// ever built from the key values, so a key text can never be read as part of
// an expression (a quote or "and" inside a name is just a character).
//
// Key conversions: a text key for an integer field is read as a decimal
// number (a text that is not one matches no row); a number key for a text
// field is its decimal text. A null key matches only null values.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/ds_base.h"
#include "data/ds_cursor.h"
#include "data/field_type.h"
#include "data/variant.h"

namespace data {

struct LocateOptions {
  bool case_insensitive = false;  // text compared without regard to case
  bool partial_key = false;       // the last text key matches as a prefix
};

// How a key field's values compare; kUnsupported for types a key cannot have.
enum class KeyClass { kInteger, kFloat, kText, kUnsupported };
KeyClass KeyClassOf(TFieldType type);

// The typed value of `data` for a field of `type` (null for a null value).
Variant DecodeValue(TFieldType type, const FieldData& data);

class RowMatcher {
 public:
  struct Key {
    uint32_t column = 0;  // 1-based column in the row store
    TFieldType type = TFieldType::ftUnknown;
  };
  // `keys` and `values` have the same length; every key's KeyClassOf is
  // supported (the caller checks and reports).
  RowMatcher(std::vector<Key> keys, const std::vector<Variant>& values, LocateOptions options);

  // Whether every key field of `record` equals its key value (values read
  // through `read`, inside IDSCursor::ScanFromFirst).
  bool Matches(uint32_t record, const IDSCursor::RowReader& read);

  // The search of one integer field for one non-null value that can occur
  // (the case IDSCursor::FindFirstInteger answers); nullopt otherwise.
  struct IntegerKey {
    uint32_t column = 0;
    bool unsigned_values = false;
    int64_t value = 0;
  };
  std::optional<IntegerKey> SingleIntegerKey() const;

 private:
  struct Wanted {
    Key key;
    KeyClass kind = KeyClass::kUnsupported;
    bool null = false;
    bool impossible = false;  // a key that no value of this field can equal
    int64_t integer = 0;
    double real = 0;
    std::string text;  // folded when case-insensitive
    bool prefix = false;
  };
  bool TextEquals(const std::string& row, const Wanted& wanted) const;

  std::vector<Wanted> wanted_;
  bool fold_ = false;
  std::array<unsigned char, 256> fold_table_{};
  FieldData scratch_;
};

}  // namespace data
