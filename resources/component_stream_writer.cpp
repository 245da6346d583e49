#include "resources/component_stream_writer.h"

#include <bit>
#include <limits>
#include <stdexcept>
#include <type_traits>

#include "resources/extended_real.h"

namespace resources {

template <typename T>
void ComponentStreamWriter::Number(T value) {
  using U = std::make_unsigned_t<T>;
  const auto bits = static_cast<U>(value);
  for (std::size_t i = 0; i < sizeof(T); ++i) out_.push_back(static_cast<char>((bits >> (8 * i)) & 0xFF));
}

void ComponentStreamWriter::ShortString(std::string_view bytes) {
  if (bytes.size() > 255) throw std::invalid_argument("short string longer than 255 bytes");
  out_.push_back(static_cast<char>(bytes.size()));
  out_.append(bytes);
}

void ComponentStreamWriter::Count(std::size_t count) {
  if (count > std::numeric_limits<std::uint32_t>::max()) throw std::invalid_argument("payload too long");
  Number(static_cast<std::uint32_t>(count));
}

ComponentStreamWriter& ComponentStreamWriter::Signature() {
  out_.append(kStreamSignature.begin(), kStreamSignature.end());
  return *this;
}

ComponentStreamWriter& ComponentStreamWriter::BeginObject(std::string_view class_name, std::string_view name,
                                                          std::uint8_t flags,
                                                          std::optional<std::int32_t> position) {
  if (flags != 0) out_.push_back(static_cast<char>(kPrefixMark | (flags & 0x0F)));
  if (position) Integer(*position);
  ShortString(class_name);
  ShortString(name);
  return *this;
}

ComponentStreamWriter& ComponentStreamWriter::EndProperties() {
  return Byte(0);
}
ComponentStreamWriter& ComponentStreamWriter::EndObject() {
  return Byte(0);
}

ComponentStreamWriter& ComponentStreamWriter::Property(std::string_view path) {
  ShortString(path);
  return *this;
}

ComponentStreamWriter& ComponentStreamWriter::Integer(std::int64_t value) {
  if (value >= INT8_MIN && value <= INT8_MAX) return Int8(static_cast<std::int8_t>(value));
  if (value >= INT16_MIN && value <= INT16_MAX) return Int16(static_cast<std::int16_t>(value));
  if (value >= INT32_MIN && value <= INT32_MAX) return Int32(static_cast<std::int32_t>(value));
  return Int64(value);
}

ComponentStreamWriter& ComponentStreamWriter::Int8(std::int8_t value) {
  Tag(ValueTag::kInt8);
  Number(value);
  return *this;
}
ComponentStreamWriter& ComponentStreamWriter::Int16(std::int16_t value) {
  Tag(ValueTag::kInt16);
  Number(value);
  return *this;
}
ComponentStreamWriter& ComponentStreamWriter::Int32(std::int32_t value) {
  Tag(ValueTag::kInt32);
  Number(value);
  return *this;
}
ComponentStreamWriter& ComponentStreamWriter::Int64(std::int64_t value) {
  Tag(ValueTag::kInt64);
  Number(value);
  return *this;
}

ComponentStreamWriter& ComponentStreamWriter::Extended(double value) {
  Tag(ValueTag::kExtended);
  for (std::uint8_t b : EncodeExtended(value)) out_.push_back(static_cast<char>(b));
  return *this;
}
ComponentStreamWriter& ComponentStreamWriter::Single(float value) {
  Tag(ValueTag::kSingle);
  Number(std::bit_cast<std::uint32_t>(value));
  return *this;
}
ComponentStreamWriter& ComponentStreamWriter::Currency(std::int64_t ten_thousandths) {
  Tag(ValueTag::kCurrency);
  Number(ten_thousandths);
  return *this;
}
ComponentStreamWriter& ComponentStreamWriter::Date(double days_since_1899_12_30) {
  Tag(ValueTag::kDate);
  Number(std::bit_cast<std::uint64_t>(days_since_1899_12_30));
  return *this;
}

ComponentStreamWriter& ComponentStreamWriter::String(std::string_view cp1251) {
  Tag(ValueTag::kString);
  ShortString(cp1251);
  return *this;
}
ComponentStreamWriter& ComponentStreamWriter::LongString(std::string_view cp1251) {
  Tag(ValueTag::kLongString);
  Count(cp1251.size());
  out_.append(cp1251);
  return *this;
}
ComponentStreamWriter& ComponentStreamWriter::WideString(std::u16string_view utf16) {
  Tag(ValueTag::kWideString);
  Count(utf16.size());
  for (char16_t unit : utf16) Number(static_cast<std::uint16_t>(unit));
  return *this;
}
ComponentStreamWriter& ComponentStreamWriter::Utf8String(std::u8string_view utf8) {
  return Utf8StringBytes(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}
ComponentStreamWriter& ComponentStreamWriter::Utf8StringBytes(std::string_view utf8) {
  Tag(ValueTag::kUtf8String);
  Count(utf8.size());
  out_.append(utf8);
  return *this;
}
ComponentStreamWriter& ComponentStreamWriter::Ident(std::string_view name) {
  Tag(ValueTag::kIdent);
  ShortString(name);
  return *this;
}
ComponentStreamWriter& ComponentStreamWriter::Boolean(bool value) {
  return Tag(value ? ValueTag::kTrue : ValueTag::kFalse);
}
ComponentStreamWriter& ComponentStreamWriter::Nil() {
  return Tag(ValueTag::kNil);
}

ComponentStreamWriter& ComponentStreamWriter::Binary(std::span<const std::uint8_t> bytes) {
  return Binary(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}
ComponentStreamWriter& ComponentStreamWriter::Binary(std::string_view bytes) {
  Tag(ValueTag::kBinary);
  Count(bytes.size());
  out_.append(bytes);
  return *this;
}

ComponentStreamWriter& ComponentStreamWriter::Set(const std::vector<std::string>& elements) {
  Tag(ValueTag::kSet);
  for (const std::string& element : elements) ShortString(element);
  return Byte(0);
}

ComponentStreamWriter& ComponentStreamWriter::BeginList() {
  return Tag(ValueTag::kList);
}
ComponentStreamWriter& ComponentStreamWriter::EndList() {
  return Tag(ValueTag::kEnd);
}
ComponentStreamWriter& ComponentStreamWriter::BeginCollection() {
  return Tag(ValueTag::kCollection);
}
ComponentStreamWriter& ComponentStreamWriter::BeginItem(std::optional<std::int32_t> index) {
  if (index) Integer(*index);
  return Tag(ValueTag::kList);
}
ComponentStreamWriter& ComponentStreamWriter::EndItem() {
  return Tag(ValueTag::kEnd);
}
ComponentStreamWriter& ComponentStreamWriter::EndCollection() {
  return Tag(ValueTag::kEnd);
}

ComponentStreamWriter& ComponentStreamWriter::Tag(ValueTag tag) {
  return Byte(static_cast<std::uint8_t>(tag));
}
ComponentStreamWriter& ComponentStreamWriter::Byte(std::uint8_t byte) {
  out_.push_back(static_cast<char>(byte));
  return *this;
}
ComponentStreamWriter& ComponentStreamWriter::Raw(std::string_view bytes) {
  out_.append(bytes);
  return *this;
}

std::span<const std::uint8_t> ComponentStreamWriter::Bytes() const {
  return {reinterpret_cast<const std::uint8_t*>(out_.data()), out_.size()};
}

}  // namespace resources
