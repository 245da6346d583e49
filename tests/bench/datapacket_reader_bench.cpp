// Reading both directory packets completely, item by item, through the
// reader interface, against one plain pass that only sums the same bytes.
// The ratio of the two is the reader's cost per byte over a bare loop.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <optional>
#include <string>

#include "tests/common/built_packets.h"
#include "tests/common/packet_walker.h"

namespace {

struct DirectoryPackets {
  std::optional<std::string> person = testing_support::ReadBuiltPacket(testing_support::kPersonPacketFile);
  std::optional<std::string> phone = testing_support::ReadBuiltPacket(testing_support::kPhonePacketFile);
  bool Ok() const { return person && phone; }
};

void BM_ReadBothDirectoryPackets(benchmark::State& state) {
  const DirectoryPackets packets;
  if (!packets.Ok()) return state.SkipWithError("the built directory packets are missing");
  for (auto _ : state) {
    const auto person = testing_support::WalkPacket(testing_support::AsBytes(*packets.person));
    const auto phone = testing_support::WalkPacket(testing_support::AsBytes(*packets.phone));
    if (person.result != data::kDsOk || phone.result != data::kDsOk)
      return state.SkipWithError("read failed");
    benchmark::DoNotOptimize(person.value_sum + phone.value_sum);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(packets.person->size() + packets.phone->size()));
}
BENCHMARK(BM_ReadBothDirectoryPackets)->Unit(benchmark::kMicrosecond);

void BM_SumBothDirectoryPacketBytes(benchmark::State& state) {
  const DirectoryPackets packets;
  if (!packets.Ok()) return state.SkipWithError("the built directory packets are missing");
  for (auto _ : state) {
    std::uint64_t sum = 0;
    for (const std::string* packet : {&*packets.person, &*packets.phone}) {
      for (const char c : *packet) sum += static_cast<unsigned char>(c);
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                          static_cast<int64_t>(packets.person->size() + packets.phone->size()));
}
BENCHMARK(BM_SumBothDirectoryPacketBytes)->Unit(benchmark::kMicrosecond);

}  // namespace
