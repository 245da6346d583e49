#include "data/integer_field.h"

#include <charconv>
#include <cmath>

#include "base/format.h"
#include "data/database_error.h"
#include "data/field_bytes.h"

namespace data {

int32_t TIntegerField::AsInteger() const {
  FieldData data;
  if (!GetData(data)) return 0;
  return static_cast<int32_t>(SignedFieldValue(data.bytes));
}

std::string TIntegerField::AsString() const {
  FieldData data;
  if (!GetData(data)) return {};
  return std::to_string(static_cast<int32_t>(SignedFieldValue(data.bytes)));
}

void TIntegerField::SetAsInteger(int64_t value) {
  const bool own_range = MinValue != 0 || MaxValue != 0;
  const int64_t low = own_range ? MinValue : type_min_;
  const int64_t high = own_range ? MaxValue : type_max_;
  if (value < low || value > high) {
    // %.15g: every 32-bit bound and value is shown whole, not as 2.14748e+09.
    throw EDatabaseError(
        base::Format("%.15g is not a valid value for field '%s'. The allowed range is %.15g to %.15g",
                     static_cast<double>(value), FieldName().c_str(), static_cast<double>(low),
                     static_cast<double>(high)));
  }
  KeyValue key;
  key.null = false;
  key.integer = value;
  key.real = static_cast<double>(value);
  key.text = std::to_string(value);
  SetData(key);
}

void TIntegerField::SetAsString(std::string_view value) {
  if (value.empty()) {
    SetData(KeyValue{});
    return;
  }
  int64_t number = 0;
  const char* begin = value.data();
  const char* end = value.data() + value.size();
  if (*begin == '+') ++begin;
  const auto [stop, error] = std::from_chars(begin, end, number);
  if (error != std::errc() || stop != end)
    throw base::EConvertError(base::Format("'%s' is not a valid integer value", std::string(value).c_str()));
  SetAsInteger(number);
}

void TIntegerField::SetValue(const Variant& value) {
  if (const auto* real = std::get_if<double>(&value)) {
    if (!std::isfinite(*real) || *real < -9.2e18 || *real > 9.2e18) {
      throw EDatabaseError(base::Format(
          "%.15g is not a valid value for field '%s'. The allowed range is %.15g to %.15g", *real,
          FieldName().c_str(), static_cast<double>(type_min_), static_cast<double>(type_max_)));
    }
    SetAsInteger(static_cast<int64_t>(std::llround(*real)));
    return;
  }
  TField::SetValue(value);
}

}  // namespace data
