// Walks a whole datapacket through the reader in the documented calling
// order: every column with its properties, every table's properties, then
// every row item. Shared by the reader's tests, its fuzz target and its
// benchmark (header-only, since the fuzz tree has no test library).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/datapacket_reader.h"

namespace testing_support {

struct PacketWalk {
  data::DsResult result = data::kDsOk;  // the first failure, kDsOk when the packet was read to the end
  std::size_t position = 0;             // the reader's position at the failure, or at the end
  std::size_t metadata_end = 0;         // where the rows began (when the metadata was done)
  std::size_t columns = 0;
  std::size_t properties = 0;
  std::size_t values = 0;  // items with a value, status bytes included
  std::size_t nulls = 0;
  std::size_t not_changed = 0;
  std::uint64_t value_sum = 0;  // sum of every value byte delivered, status bytes included
};

inline std::span<const std::uint8_t> AsBytes(std::string_view bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

// Reads `packet` completely with a fresh reader.
inline PacketWalk WalkPacket(std::span<const std::uint8_t> packet) {
  using namespace data;
  PacketWalk walk;
  DsRef<DSEXTRACT> reader = DSEXTRACT::Create();
  std::vector<std::uint8_t> buffer(256);
  const auto fail = [&](DsResult r) {
    walk.result = r;
    walk.position = reader->Position();
    return walk;
  };
  if (const DsResult r = reader->Init(packet)) return fail(r);

  DSColumnDesc column;
  DsPropertyName name;
  while (!reader->MetadataDone()) {
    const DsResult r = reader->GetNextColumnDesc(&column);
    if (r == kDsOk) {
      ++walk.columns;
    } else if (r != kDsEnd) {
      return fail(r);
    }
    for (;;) {  // the column's properties, or the table's after its last column
      std::uint32_t type_word = 0, size = static_cast<std::uint32_t>(buffer.size());
      const DsResult p = reader->GetNextOptParameter(&name, &type_word, &size, buffer.data());
      if (p == kDsEnd) break;
      if (p == kDsBufferTooSmall && size > buffer.size()) {
        buffer.resize(size);
        continue;
      }
      if (p != kDsOk) return fail(p);
      ++walk.properties;
    }
  }
  walk.metadata_end = reader->Position();

  for (;;) {
    std::uint32_t size = static_cast<std::uint32_t>(buffer.size());
    DsSlotState state = DsSlotState::kValue;
    const DsResult r = reader->GetNextField(&size, buffer.data(), &state);
    if (r == kDsEnd) break;
    if (r == kDsBufferTooSmall) {
      std::uint32_t needed = 0;
      if (const DsResult p = reader->PeekFieldSize(&needed)) return fail(p);
      if (needed <= buffer.size()) return fail(r);
      buffer.resize(needed);
      continue;
    }
    if (r == kDsNullValue) {
      ++walk.nulls;
      continue;
    }
    if (r != kDsOk) return fail(r);
    if (state == DsSlotState::kNotChanged) {
      ++walk.not_changed;
      continue;
    }
    ++walk.values;
    // A negative 4-byte length delivers no bytes.
    const std::size_t delivered = static_cast<std::int32_t>(size) < 0 ? 0 : size;
    for (std::size_t i = 0; i < delivered; ++i) walk.value_sum += buffer[i];
  }
  walk.position = reader->Position();
  return walk;
}

}  // namespace testing_support
