#include "resources/value_reader.h"

#include <algorithm>
#include <bit>

#include "resources/extended_real.h"
#include "resources/read_error.h"
#include "text/cp1251.h"
#include "text/utf8.h"

namespace resources {

ValueReader::ValueReader(std::span<const std::uint8_t> bytes, const StreamLimits& limits,
                         bool bytes_outlive_components)
    : cursor_(bytes), limits_(limits), bytes_outlive_components_(bytes_outlive_components) {}

void ValueReader::Fail(const char* message) {
  throw EReadError(message);
}

ValueReader::DepthGuard::DepthGuard(ValueReader& reader) : reader_(reader) {
  if (reader_.depth_ >= reader_.limits_.max_depth) Fail(kTooDeep);
  ++reader_.depth_;
}

void ValueReader::CheckElementCount(std::size_t count) const {
  if (count > limits_.max_elements) Fail(kTooMany);
}

template <typename T>
T ValueReader::ReadNumber() {
  T value{};
  if (!cursor_.Read(value)) Fail(kReadPastEnd);
  return value;
}

void ValueReader::ReadSignature() {
  std::span<const std::uint8_t> bytes;
  if (!cursor_.ReadSpan(kStreamSignature.size(), bytes) ||
      !std::equal(bytes.begin(), bytes.end(), kStreamSignature.begin()))
    Fail(kInvalidStreamFormat);
}

std::uint8_t ValueReader::PeekByte() const {
  base::ByteCursor ahead = cursor_;
  std::uint8_t byte = 0;
  if (!ahead.Read(byte)) Fail(kReadPastEnd);
  return byte;
}

std::uint8_t ValueReader::ReadByte() {
  return ReadNumber<std::uint8_t>();
}

bool ValueReader::EndOfList() {
  if (PeekByte() != 0) return false;
  cursor_.Skip(1);
  return true;
}

std::string ValueReader::ReadShortString() {
  const std::uint8_t length = ReadByte();
  std::span<const std::uint8_t> bytes;
  if (!cursor_.ReadSpan(length, bytes)) Fail(kReadPastEnd);
  return std::string(bytes.begin(), bytes.end());
}

ValueTag ValueReader::PeekTag() const {
  const std::uint8_t byte = PeekByte();
  if (byte > kLastValueTag) Fail(kInvalidPropertyValue);
  return static_cast<ValueTag>(byte);
}

ValueTag ValueReader::ReadTag() {
  const ValueTag tag = PeekTag();
  cursor_.Skip(1);
  return tag;
}

std::int64_t ValueReader::ReadIntegerPayload(ValueTag tag) {
  switch (tag) {
    case ValueTag::kInt8:
      return ReadNumber<std::int8_t>();
    case ValueTag::kInt16:
      return ReadNumber<std::int16_t>();
    case ValueTag::kInt32:
      return ReadNumber<std::int32_t>();
    case ValueTag::kInt64:
      return ReadNumber<std::int64_t>();
    default:
      Fail(kInvalidPropertyValue);
  }
}

double ValueReader::ReadRealPayload(ValueTag tag) {
  switch (tag) {
    case ValueTag::kExtended: {
      std::array<std::uint8_t, 10> bytes{};
      for (std::uint8_t& b : bytes) b = ReadByte();
      return DecodeExtended(bytes);
    }
    case ValueTag::kSingle:
      return std::bit_cast<float>(ReadNumber<std::uint32_t>());
    case ValueTag::kDate:
      return std::bit_cast<double>(ReadNumber<std::uint64_t>());
    default:
      Fail(kInvalidPropertyValue);
  }
}

std::int64_t ValueReader::ReadCurrencyPayload() {
  return ReadNumber<std::int64_t>();
}

// A 4-byte count of `unit`-byte elements and the elements' bytes, checked
// against the limit and the bytes left before anything is taken.
std::span<const std::uint8_t> ValueReader::ReadCounted(std::size_t unit) {
  const std::uint32_t count = ReadNumber<std::uint32_t>();
  if (count > limits_.max_payload / unit) Fail(kTooMany);
  std::span<const std::uint8_t> bytes;
  if (!cursor_.ReadSpan(std::size_t{count} * unit, bytes)) Fail(kReadPastEnd);
  return bytes;
}

namespace {
std::u16string Utf16FromBytes(std::span<const std::uint8_t> bytes) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i)
    units[i] = static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
  return units;
}
std::string_view AsChars(std::span<const std::uint8_t> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}
}  // namespace

std::string ValueReader::ReadTextPayload(ValueTag tag) {
  switch (tag) {
    case ValueTag::kString:
    case ValueTag::kIdent:
      return ReadShortString();
    case ValueTag::kLongString:
      return std::string(AsChars(ReadCounted(1)));
    case ValueTag::kWideString:
      return text::Utf16ToCp1251(Utf16FromBytes(ReadCounted(2)));
    case ValueTag::kUtf8String:
      return text::Utf8ToCp1251(AsChars(ReadCounted(1)));
    default:
      Fail(kInvalidPropertyValue);
  }
}

std::u16string ValueReader::ReadWideTextPayload(ValueTag tag) {
  switch (tag) {
    case ValueTag::kWideString:
      return Utf16FromBytes(ReadCounted(2));
    case ValueTag::kUtf8String:
      return text::Utf8ToUtf16(AsChars(ReadCounted(1)));
    default:
      return text::Cp1251ToUtf16(ReadTextPayload(tag));
  }
}

std::span<const std::uint8_t> ValueReader::ReadBinaryPayload() {
  return ReadCounted(1);
}

std::vector<std::string> ValueReader::ReadSetPayload() {
  std::vector<std::string> names;
  for (;;) {
    std::string name = ReadShortString();
    if (name.empty()) return names;
    CheckElementCount(names.size() + 1);
    names.push_back(std::move(name));
  }
}

std::int32_t ValueReader::ReadInteger() {
  const ValueTag tag = ReadTag();
  if (!IsInteger(tag)) {
    SkipPayload(tag);
    Fail(kInvalidPropertyValue);
  }
  return static_cast<std::int32_t>(ReadIntegerPayload(tag));
}

void ValueReader::SkipValue() {
  SkipPayload(ReadTag());
}

void ValueReader::SkipPayload(ValueTag tag) {
  switch (tag) {
    case ValueTag::kEnd:
    case ValueTag::kFalse:
    case ValueTag::kTrue:
    case ValueTag::kNil:
      return;
    case ValueTag::kList: {
      DepthGuard depth(*this);
      for (std::size_t n = 0; !EndOfList(); ++n) {
        CheckElementCount(n + 1);
        SkipValue();
      }
      return;
    }
    case ValueTag::kInt8:
    case ValueTag::kInt16:
    case ValueTag::kInt32:
    case ValueTag::kInt64:
      ReadIntegerPayload(tag);
      return;
    case ValueTag::kExtended:
    case ValueTag::kSingle:
    case ValueTag::kDate:
      ReadRealPayload(tag);
      return;
    case ValueTag::kCurrency:
      ReadCurrencyPayload();
      return;
    case ValueTag::kString:
    case ValueTag::kIdent:
      ReadShortString();
      return;
    case ValueTag::kLongString:
    case ValueTag::kBinary:
    case ValueTag::kUtf8String:
      ReadCounted(1);
      return;
    case ValueTag::kWideString:
      ReadCounted(2);
      return;
    case ValueTag::kSet:
      ReadSetPayload();
      return;
    case ValueTag::kCollection:
      ReadCollectionItems(nullptr);
      return;
  }
  Fail(kInvalidPropertyValue);
}

// Reads the items of a collection whose tag has been read, into `items`, or
// skips them when `items` is null.
void ValueReader::ReadCollectionItems(std::vector<CollectionItem>* items) {
  DepthGuard depth(*this);
  for (std::size_t n = 0; !EndOfList(); ++n) {
    CheckElementCount(n + 1);
    CollectionItem item;
    if (IsInteger(PeekTag())) item.index = ReadInteger();
    if (ReadTag() != ValueTag::kList) Fail(kInvalidPropertyValue);
    for (std::size_t p = 0; !EndOfList(); ++p) {
      CheckElementCount(p + 1);
      PropertyEntry entry{ReadShortString(), {}};
      if (items) {
        entry.value = ReadValue();
        item.properties.push_back(std::move(entry));
      } else {
        SkipValue();
      }
    }
    if (items) items->push_back(std::move(item));
  }
}

Value ValueReader::ReadValue() {
  Value value;
  value.tag = ReadTag();
  switch (value.tag) {
    case ValueTag::kEnd:
    case ValueTag::kFalse:
    case ValueTag::kTrue:
    case ValueTag::kNil:
      break;
    case ValueTag::kList: {
      DepthGuard depth(*this);
      while (!EndOfList()) {
        CheckElementCount(value.list.size() + 1);
        value.list.push_back(ReadValue());
      }
      break;
    }
    case ValueTag::kInt8:
    case ValueTag::kInt16:
    case ValueTag::kInt32:
    case ValueTag::kInt64:
      value.integer = ReadIntegerPayload(value.tag);
      break;
    case ValueTag::kExtended:
    case ValueTag::kSingle:
    case ValueTag::kDate:
      value.real = ReadRealPayload(value.tag);
      break;
    case ValueTag::kCurrency:
      value.integer = ReadCurrencyPayload();
      break;
    case ValueTag::kString:
    case ValueTag::kIdent:
    case ValueTag::kLongString:
      value.text = ReadTextPayload(value.tag);
      break;
    case ValueTag::kWideString:
    case ValueTag::kUtf8String:
      value.wide = ReadWideTextPayload(value.tag);
      value.text = text::Utf16ToCp1251(value.wide);
      break;
    case ValueTag::kBinary:
      value.binary = ReadBinaryPayload();
      break;
    case ValueTag::kSet:
      value.set = ReadSetPayload();
      break;
    case ValueTag::kCollection:
      ReadCollectionItems(&value.items);
      break;
  }
  return value;
}

}  // namespace resources
