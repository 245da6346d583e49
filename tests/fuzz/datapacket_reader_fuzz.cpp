// Arbitrary bytes as a datapacket: read in the documented calling order, as a
// first packet and as a packet appended to a valid one. The reader must end
// with a result code, never read outside the bytes (the sanitizers watch),
// crash or hang, and its position stays within the block.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "data/datapacket_reader.h"
#include "tests/common/packet_walker.h"
#include "tests/common/table_packets.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const std::uint8_t> packet(data, size);
  const testing_support::PacketWalk walk = testing_support::WalkPacket(packet);
  if (walk.position > size || walk.metadata_end > size) std::abort();

  // The same bytes appended after a person packet's metadata.
  static const std::string first = testing_support::PersonPacket({});
  data::DsRef<data::DSEXTRACT> reader = data::DSEXTRACT::Create();
  if (reader->Init(testing_support::AsBytes(first)) != data::kDsOk) std::abort();
  data::DSColumnDesc column;
  data::DsPropertyName name;
  std::uint8_t value[64];
  while (!reader->MetadataDone()) {
    reader->GetNextColumnDesc(&column);
    std::uint32_t value_size = sizeof value;
    while (reader->GetNextOptParameter(&name, nullptr, &value_size, value) == data::kDsOk)
      value_size = sizeof value;
  }
  if (reader->InitAppend(packet) != data::kDsOk) return 0;
  for (;;) {
    std::uint32_t value_size = sizeof value;
    const data::DsResult r = reader->GetNextField(&value_size, value, nullptr);
    if (r != data::kDsOk && r != data::kDsNullValue) break;  // the end, or a field too long for our buffer
  }
  if (reader->Position() > size) std::abort();
  return 0;
}
