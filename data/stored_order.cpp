#include "data/stored_order.h"

#include <algorithm>

#include "base/byte_cursor.h"

namespace data {

namespace {

constexpr uint8_t kTag[4] = {'p', 'b', 'O', 'r'};
constexpr size_t kHeaderSize = 8;

void AppendU32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

}  // namespace

std::string EncodeStoredOrder(std::span<const uint32_t> records) {
  std::string out(reinterpret_cast<const char*>(kTag), sizeof kTag);
  out.reserve(kHeaderSize + records.size() * 4);
  AppendU32(out, static_cast<uint32_t>(records.size()));
  for (const uint32_t record : records) AppendU32(out, record);
  return out;
}

bool DecodeStoredOrder(std::span<const uint8_t> bytes, std::vector<uint32_t>& records) {
  records.clear();
  base::ByteCursor cursor(bytes);
  std::span<const uint8_t> tag;
  uint32_t count = 0;
  if (!cursor.ReadSpan(sizeof kTag, tag) || !std::equal(tag.begin(), tag.end(), kTag) || !cursor.Read(count))
    return false;
  if (cursor.Remaining() / 4 != count || cursor.Remaining() % 4 != 0) return false;
  records.resize(count);
  for (uint32_t& record : records) cursor.Read(record);
  return true;
}

}  // namespace data
