#include "data/datapacket_writer.h"

#include <cstring>
#include <stdexcept>

namespace data {

namespace {

void AppendLe(std::string& out, uint64_t value, unsigned width) {
  for (unsigned i = 0; i < width; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void PutLe(std::string& out, size_t offset, uint64_t value, unsigned width) {
  for (unsigned i = 0; i < width; ++i) out[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void AppendName(std::string& out, std::string_view name) {
  if (name.size() > 255) throw std::invalid_argument("datapacket name longer than 255 bytes");
  out.push_back(static_cast<char>(name.size()));
  out.append(name);
}

}  // namespace

std::string DataPacketWriter::Int(int64_t value, unsigned width) {
  if (width != 1 && width != 2 && width != 4 && width != 8) {
    throw std::invalid_argument("integer width must be 1, 2, 4 or 8");
  }
  std::string out;
  AppendLe(out, static_cast<uint64_t>(value), width);
  return out;
}

std::string DataPacketWriter::Float64(double value) {
  uint64_t bits = 0;
  static_assert(sizeof bits == sizeof value);
  std::memcpy(&bits, &value, sizeof bits);
  std::string out;
  AppendLe(out, bits, 8);
  return out;
}

std::string DataPacketWriter::Varying(std::string_view bytes, unsigned prefix_width) {
  if (prefix_width != 1 && prefix_width != 2 && prefix_width != 4) {
    throw std::invalid_argument("length prefix width must be 1, 2 or 4");
  }
  const uint64_t limit = prefix_width == 4 ? 0x7FFFFFFFu : (uint64_t{1} << (8 * prefix_width)) - 1;
  if (bytes.size() > limit) throw std::invalid_argument("value too long for its length prefix");
  std::string out;
  AppendLe(out, bytes.size(), prefix_width);
  out.append(bytes);
  return out;
}

std::string DataPacketWriter::Array(const std::vector<std::string>& elements) {
  std::string out;
  AppendLe(out, elements.size(), 4);
  for (const std::string& e : elements) out += e;
  return out;
}

std::string DataPacketWriter::Nested(const std::vector<std::string>& rows, std::optional<int32_t> count) {
  std::string out = Int(count ? *count : static_cast<int64_t>(rows.size()), 4);
  for (const std::string& r : rows) out += r;
  return out;
}

std::string DataPacketWriter::EncodeRow(const std::vector<Slot>& slots, uint8_t status) {
  std::string out(1 + packet::FieldFlagBytes(slots.size()), '\0');
  out[0] = static_cast<char>(status);
  for (size_t j = 0; j < slots.size(); ++j) {
    const Slot& slot = slots[j];
    const unsigned shift = 2 * (j % 4);
    unsigned flags = 0;
    if (slot.null) flags |= packet::kSlotNull;
    if (slot.not_changed) flags |= packet::kSlotNotChanged;
    char& byte = out[1 + j / 4];
    byte = static_cast<char>(static_cast<unsigned char>(byte) | (flags << shift));
    if (flags == 0) out += slot.bytes;
  }
  return out;
}

std::string DataPacketWriter::EncodeProperties(const std::vector<Property>& properties) {
  if (properties.size() > 0xFFFF) throw std::invalid_argument("more than 65535 properties");
  std::string out;
  AppendLe(out, properties.size(), 2);
  for (const Property& p : properties) {
    AppendName(out, p.name);
    AppendLe(out, p.type_word, 4);
    out += p.value;
  }
  return out;
}

DataPacketWriter& DataPacketWriter::SetMagic(uint32_t magic) {
  magic_ = magic;
  return *this;
}

DataPacketWriter& DataPacketWriter::SetVersion(uint16_t version, uint16_t revision) {
  version_ = version;
  revision_ = revision;
  return *this;
}

DataPacketWriter& DataPacketWriter::SetHeaderSize(uint32_t header_size) {
  header_size_ = header_size;
  return *this;
}

DataPacketWriter& DataPacketWriter::SetColumnCount(uint16_t count) {
  column_count_ = count;
  return *this;
}

DataPacketWriter& DataPacketWriter::SetRowCount(uint32_t count) {
  row_count_ = count;
  return *this;
}

DataPacketWriter& DataPacketWriter::SetAttributes(uint32_t attributes) {
  attributes_ = attributes;
  return *this;
}

DataPacketWriter& DataPacketWriter::SetRowOffset(uint16_t row_offset) {
  row_offset_ = row_offset;
  return *this;
}

DataPacketWriter& DataPacketWriter::Column(std::string_view name, uint32_t type_word, uint16_t attributes,
                                           const std::vector<Property>& properties) {
  AppendName(body_, name);
  AppendLe(body_, type_word, 4);
  AppendLe(body_, attributes, 2);
  body_ += EncodeProperties(properties);
  ++columns_;
  return *this;
}

DataPacketWriter& DataPacketWriter::TableProperties(const std::vector<Property>& properties) {
  body_ += EncodeProperties(properties);
  return *this;
}

DataPacketWriter& DataPacketWriter::Row(const std::vector<Slot>& slots, uint8_t status) {
  if (!first_row_) first_row_ = body_.size();
  body_ += EncodeRow(slots, status);
  ++rows_;
  return *this;
}

DataPacketWriter& DataPacketWriter::Raw(std::string_view bytes) {
  body_.append(bytes);
  return *this;
}

std::string DataPacketWriter::Finish() const {
  uint16_t row_offset = 0;
  if (row_offset_) {
    row_offset = *row_offset_;
  } else {
    const size_t computed = packet::kHeaderSize + first_row_.value_or(body_.size());
    if (computed > 0xFFFF) throw std::invalid_argument("row offset does not fit in 16 bits");
    row_offset = static_cast<uint16_t>(computed);
  }
  if (!column_count_ && columns_ > 0xFFFF) throw std::invalid_argument("more than 65535 columns");
  if (!row_count_ && rows_ > 0xFFFFFFFFu) throw std::invalid_argument("more than 2^32 - 1 rows");
  std::string out(packet::kHeaderSize, '\0');
  PutLe(out, packet::kOffMagic, magic_.value_or(packet::kMagic), 4);
  PutLe(out, packet::kOffVersion, version_.value_or(1), 2);
  PutLe(out, packet::kOffRevision, revision_.value_or(0), 2);
  PutLe(out, packet::kOffHeaderSize, header_size_.value_or(packet::kHeaderSize), 4);
  PutLe(out, packet::kOffColumnCount, column_count_.value_or(columns_), 2);
  PutLe(out, packet::kOffRowCount, row_count_.value_or(rows_), 4);
  PutLe(out, packet::kOffAttributes, attributes_.value_or(packet::kHasMetadata | packet::kRowOffsetValid), 4);
  PutLe(out, packet::kOffRowOffset, row_offset, 2);
  return out + body_;
}

}  // namespace data
