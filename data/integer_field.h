// Integer field objects: TNumericField > TIntegerField (signed 32-bit,
// ftInteger) > TSmallintField (signed 16-bit, ftSmallint).
//
// AsInteger is the value (0 when null); AsString its decimal digits with a
// leading "-" when negative, no grouping or padding (the empty text when
// null). Setting a value checks the range: the type's own, or MinValue /
// MaxValue when either is non-zero; outside it fails with
// "%g is not a valid value for field '%s'. The allowed range is %g to %g"
// (no table name). Text is converted first ("'%s' is not a valid integer
// value", EConvertError).
#pragma once

#include <cstdint>

#include "data/field.h"

namespace data {

class TNumericField : public TField {
 public:
  const char* ClassName() const override { return "TNumericField"; }

 protected:
  TNumericField(base::TComponent* owner, TFieldType type, int32_t size) : TField(owner, type, size) {}
};

class TIntegerField : public TNumericField {
 public:
  explicit TIntegerField(base::TComponent* owner)
      : TIntegerField(owner, TFieldType::ftInteger, -2147483648LL, 2147483647) {}
  const char* ClassName() const override { return "TIntegerField"; }

  int32_t MinValue = 0;
  int32_t MaxValue = 0;

  int32_t AsInteger() const override;
  std::string AsString() const override;
  void SetAsInteger(int64_t value) override;
  void SetAsString(std::string_view value) override;
  void SetValue(const Variant& value) override;

 protected:
  TIntegerField(base::TComponent* owner, TFieldType type, int64_t min, int64_t max)
      : TNumericField(owner, type, 0), type_min_(min), type_max_(max) {}

 private:
  int64_t type_min_;
  int64_t type_max_;
};

class TSmallintField : public TIntegerField {
 public:
  explicit TSmallintField(base::TComponent* owner)
      : TIntegerField(owner, TFieldType::ftSmallint, -32768, 32767) {}
  const char* ClassName() const override { return "TSmallintField"; }
};

}  // namespace data
