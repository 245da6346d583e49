// TStringField: single-byte (1251) text of at most Size characters
// (ftString). AsString is the stored text, the empty text when null; a value
// set is cut to Size. AsInteger converts the text ("'%s' is not a valid
// integer value", EConvertError).
#pragma once

#include "data/field.h"

namespace data {

class TStringField : public TField {
 public:
  // Size 20 is the size of a string field declared without one.
  explicit TStringField(base::TComponent* owner) : TField(owner, TFieldType::ftString, 20) {}
  const char* ClassName() const override { return "TStringField"; }

  int32_t AsInteger() const override;
  std::string AsString() const override;
  void SetAsInteger(int64_t value) override;
  void SetAsString(std::string_view value) override;
};

}  // namespace data
