#include "data/string_field.h"

#include <charconv>

#include "base/exception.h"
#include "base/format.h"

namespace data {

std::string TStringField::AsString() const {
  FieldData data;
  if (!GetData(data)) return {};
  return data.bytes;
}

int32_t TStringField::AsInteger() const {
  const std::string text = AsString();
  int32_t number = 0;
  const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (text.empty() || error != std::errc() || stop != text.data() + text.size())
    throw base::EConvertError(base::Format("'%s' is not a valid integer value", text.c_str()));
  return number;
}

void TStringField::SetAsInteger(int64_t value) {
  SetAsString(std::to_string(value));
}

void TStringField::SetAsString(std::string_view value) {
  KeyValue key;
  key.null = false;
  key.text = std::string(value.substr(0, Size() > 0 ? static_cast<size_t>(Size()) : value.size()));
  SetData(key);
}

}  // namespace data
