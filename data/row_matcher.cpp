#include "data/row_matcher.h"

#include <charconv>
#include <cstring>

#include "data/field_bytes.h"
#include "text/case_map.h"

namespace data {

namespace {

double FloatOf(const std::string& bytes) {
  double d = 0;
  if (bytes.size() == sizeof d) std::memcpy(&d, bytes.data(), sizeof d);
  return d;
}

bool IsUnsigned(TFieldType type) {
  return type == TFieldType::ftWord || type == TFieldType::ftBoolean;
}

}  // namespace

KeyClass KeyClassOf(TFieldType type) {
  switch (type) {
    case TFieldType::ftString:
    case TFieldType::ftFixedChar:
    case TFieldType::ftWideString:
    case TFieldType::ftGuid:
      return KeyClass::kText;
    case TFieldType::ftSmallint:
    case TFieldType::ftInteger:
    case TFieldType::ftWord:
    case TFieldType::ftBoolean:
    case TFieldType::ftAutoInc:
    case TFieldType::ftLargeint:
    case TFieldType::ftDate:
    case TFieldType::ftTime:
    case TFieldType::ftDateTime:
    case TFieldType::ftTimeStamp:
      return KeyClass::kInteger;
    case TFieldType::ftFloat:
    case TFieldType::ftCurrency:
    case TFieldType::ftBCD:
    case TFieldType::ftFMTBcd:
      return KeyClass::kFloat;
    default:
      return KeyClass::kUnsupported;
  }
}

Variant DecodeValue(TFieldType type, const FieldData& data) {
  if (data.state != FieldData::State::kValue) return {};
  switch (KeyClassOf(type)) {
    case KeyClass::kInteger:
      return IsUnsigned(type) ? static_cast<int64_t>(UnsignedFieldValue(data.bytes))
                              : SignedFieldValue(data.bytes);
    case KeyClass::kFloat:
      return FloatOf(data.bytes);
    default:
      return data.bytes;
  }
}

RowMatcher::RowMatcher(std::vector<Key> keys, const std::vector<Variant>& values, LocateOptions options)
    : fold_(options.case_insensitive) {
  if (fold_) {
    // One call for the whole table, so that Windows asks the system once.
    std::string all(256, '\0');
    for (size_t b = 0; b < 256; ++b) all[b] = static_cast<char>(b);
    const std::string lower = text::ToLower(all);
    for (size_t b = 0; b < 256; ++b)
      fold_table_[b] =
          b < lower.size() ? static_cast<unsigned char>(lower[b]) : static_cast<unsigned char>(b);
  }
  for (size_t k = 0; k < keys.size() && k < values.size(); ++k) {
    Wanted w;
    w.key = keys[k];
    w.kind = KeyClassOf(w.key.type);
    const Variant& value = values[k];
    w.null = IsNull(value);
    if (!w.null) {
      if (w.kind == KeyClass::kText) {
        if (const auto* s = std::get_if<std::string>(&value)) {
          w.text = *s;
        } else if (const auto* i = std::get_if<int64_t>(&value)) {
          w.text = std::to_string(*i);
        } else if (const auto* b = std::get_if<bool>(&value)) {
          w.text = *b ? "True" : "False";
        } else {
          w.text = std::to_string(std::get<double>(value));
        }
        if (fold_) {
          for (char& c : w.text) c = static_cast<char>(fold_table_[static_cast<unsigned char>(c)]);
        }
        w.prefix = options.partial_key && k + 1 == keys.size();
      } else if (const auto* s = std::get_if<std::string>(&value)) {
        int64_t n = 0;
        const auto [stop, error] = std::from_chars(s->data(), s->data() + s->size(), n);
        w.impossible = s->empty() || error != std::errc() || stop != s->data() + s->size();
        w.integer = n;
        w.real = static_cast<double>(n);
      } else if (const auto* i = std::get_if<int64_t>(&value)) {
        w.integer = *i;
        w.real = static_cast<double>(*i);
      } else if (const auto* b = std::get_if<bool>(&value)) {
        w.integer = *b ? 1 : 0;
        w.real = static_cast<double>(w.integer);
      } else {
        w.real = std::get<double>(value);
        w.integer = static_cast<int64_t>(w.real);
        w.impossible = w.kind == KeyClass::kInteger && static_cast<double>(w.integer) != w.real;
      }
    }
    wanted_.push_back(std::move(w));
  }
}

bool RowMatcher::TextEquals(const std::string& row, const Wanted& wanted) const {
  if (wanted.prefix ? row.size() < wanted.text.size() : row.size() != wanted.text.size()) return false;
  const size_t n = wanted.text.size();
  if (!fold_) return std::memcmp(row.data(), wanted.text.data(), n) == 0;
  for (size_t i = 0; i < n; ++i) {
    if (fold_table_[static_cast<unsigned char>(row[i])] != static_cast<unsigned char>(wanted.text[i]))
      return false;
  }
  return true;
}

std::optional<RowMatcher::IntegerKey> RowMatcher::SingleIntegerKey() const {
  if (wanted_.size() != 1) return std::nullopt;
  const Wanted& w = wanted_.front();
  if (w.kind != KeyClass::kInteger || w.null || w.impossible) return std::nullopt;
  return IntegerKey{w.key.column, IsUnsigned(w.key.type), w.integer};
}

bool RowMatcher::Matches(uint32_t record, const IDSCursor::RowReader& read) {
  for (const Wanted& w : wanted_) {
    if (w.impossible) return false;
    if (read.GetField(record, w.key.column, scratch_) != kDsOk) return false;
    const bool row_null = scratch_.state != FieldData::State::kValue;
    if (w.null || row_null) {
      if (w.null != row_null) return false;
      continue;
    }
    switch (w.kind) {
      case KeyClass::kText:
        if (!TextEquals(scratch_.bytes, w)) return false;
        break;
      case KeyClass::kInteger: {
        const int64_t v = IsUnsigned(w.key.type) ? static_cast<int64_t>(UnsignedFieldValue(scratch_.bytes))
                                                 : SignedFieldValue(scratch_.bytes);
        if (v != w.integer) return false;
        break;
      }
      case KeyClass::kFloat:
        if (FloatOf(scratch_.bytes) != w.real) return false;
        break;
      case KeyClass::kUnsupported:
        return false;
    }
  }
  return true;
}

}  // namespace data
