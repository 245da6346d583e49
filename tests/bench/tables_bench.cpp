// The directory tables: opening both from their packets (load and first
// order), switching the phone table's order there and back as a name search
// does, one key search, and the order build against a plain std::sort of the
// same keys.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>

#include "data/client_data_set.h"
#include "data/word_sort_collation.h"
#include "tests/common/directory_tables.h"
#include "tests/common/fresh_order_build.h"

namespace {

struct Packets {
  std::string fio = testing_support::ReadFileBytes(PHONEBOOK_PACKET_DIR, "fio.packet");
  std::string tel = testing_support::ReadFileBytes(PHONEBOOK_PACKET_DIR, "tel.packet");
};
const Packets& DirectoryPackets() {
  static const Packets packets;
  return packets;
}

void BM_OpenBothTables(benchmark::State& state) {
  const auto& packets = DirectoryPackets();
  const data::WordSortCollation collation;
  for (auto _ : state) {
    base::TComponent owner(nullptr);
    data::TClientDataSet fio(&owner, &collation), tel(&owner, &collation);
    testing_support::OpenTable(fio, "daFio", packets.fio, "FIO");
    testing_support::OpenTable(tel, "daTel", packets.tel, "TEL");
    benchmark::DoNotOptimize(tel.CurrentRecord());
  }
}
BENCHMARK(BM_OpenBothTables)->Unit(benchmark::kMillisecond);

// Loading alone (the row stores, no field objects and no sorted order).
void BM_LoadBothPackets(benchmark::State& state) {
  const auto& packets = DirectoryPackets();
  const data::WordSortCollation collation;
  const auto bytes = [](const std::string& s) {
    return std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(s.data()), s.size());
  };
  for (auto _ : state) {
    data::IDSBase fio(collation), tel(collation);
    benchmark::DoNotOptimize(fio.AppendData(bytes(packets.fio), true));
    benchmark::DoNotOptimize(tel.AppendData(bytes(packets.tel), true));
  }
}
BENCHMARK(BM_LoadBothPackets)->Unit(benchmark::kMillisecond);

void BM_SwitchPhoneOrderThereAndBack(benchmark::State& state) {
  const data::WordSortCollation collation;
  base::TComponent owner(nullptr);
  data::TClientDataSet tel(&owner, &collation);
  testing_support::OpenTable(tel, "daTel", DirectoryPackets().tel, "TEL");
  for (auto _ : state) {
    tel.SetIndexFieldNames("FIO");
    tel.SetIndexFieldNames("TEL");
  }
}
BENCHMARK(BM_SwitchPhoneOrderThereAndBack)->Unit(benchmark::kMillisecond);

void BM_SeekKey(benchmark::State& state) {
  const data::WordSortCollation collation;
  base::TComponent owner(nullptr);
  data::TClientDataSet tel(&owner, &collation);
  testing_support::OpenTable(tel, "daTel", DirectoryPackets().tel, "TEL");
  // Numbers spread over the table, looked up in turn.
  std::vector<int64_t> numbers;
  for (uint32_t r = 1; r <= tel.RowStore()->RecordCount(); r += 97) {
    data::FieldData value;
    tel.RowStore()->GetField(r, 1, value);
    int32_t n = 0;
    for (size_t i = 0; i < 4; ++i) n |= static_cast<int32_t>(static_cast<uint8_t>(value.bytes[i])) << (8 * i);
    numbers.push_back(n);
  }
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tel.SeekKey({numbers[i]}));
    if (++i == numbers.size()) i = 0;
  }
}
BENCHMARK(BM_SeekKey)->Unit(benchmark::kMicrosecond);

// The phone table's "FIO" order alone, and std::sort of the same record
// numbers by the same person keys: the ratio is the price of the exact sort.
void BM_BuildPhoneNameOrder(benchmark::State& state) {
  const data::WordSortCollation collation;
  base::TComponent owner(nullptr);
  data::TClientDataSet tel(&owner, &collation);
  testing_support::OpenTable(tel, "daTel", DirectoryPackets().tel, "TEL");
  data::IndexDescriptor index;
  index.name = "FIO";
  index.fields.push_back({2, false, false});
  testing_support::FreshOrderBuild build(*tel.RowStore(), index);
  for (auto _ : state) benchmark::DoNotOptimize(build());
}
BENCHMARK(BM_BuildPhoneNameOrder)->Unit(benchmark::kMillisecond);

// The phone table's number order (unique keys in no stored order).
void BM_BuildPhoneNumberOrder(benchmark::State& state) {
  const data::WordSortCollation collation;
  base::TComponent owner(nullptr);
  data::TClientDataSet tel(&owner, &collation);
  testing_support::OpenTable(tel, "daTel", DirectoryPackets().tel, "FIO");
  data::IndexDescriptor index;
  index.name = "TEL";
  index.fields.push_back({1, false, false});
  testing_support::FreshOrderBuild build(*tel.RowStore(), index);
  for (auto _ : state) benchmark::DoNotOptimize(build());
}
BENCHMARK(BM_BuildPhoneNumberOrder)->Unit(benchmark::kMillisecond);

void BM_StdSortPhoneNameKeys(benchmark::State& state) {
  const data::WordSortCollation collation;
  base::TComponent owner(nullptr);
  data::TClientDataSet tel(&owner, &collation);
  testing_support::OpenTable(tel, "daTel", DirectoryPackets().tel, "TEL");
  const uint32_t n = tel.RowStore()->RecordCount();
  std::vector<int16_t> keys(n + 1);
  for (uint32_t r = 1; r <= n; ++r) {
    data::FieldData value;
    tel.RowStore()->GetField(r, 2, value);
    keys[r] = static_cast<int16_t>(static_cast<uint8_t>(value.bytes[0]) | static_cast<uint8_t>(value.bytes[1])
                                                                              << 8);
  }
  for (auto _ : state) {
    std::vector<uint32_t> order(n);
    std::iota(order.begin(), order.end(), 1u);
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) { return keys[a] < keys[b]; });
    benchmark::DoNotOptimize(order.data());
  }
}
BENCHMARK(BM_StdSortPhoneNameKeys)->Unit(benchmark::kMillisecond);

// The person table's name order, and std::sort of the names by the collation.
void BM_BuildPersonNameOrder(benchmark::State& state) {
  const data::WordSortCollation collation;
  base::TComponent owner(nullptr);
  data::TClientDataSet fio(&owner, &collation);
  testing_support::OpenTable(fio, "daFio", DirectoryPackets().fio, "KEY_F");
  data::IndexDescriptor index;
  index.name = "FIO";
  index.fields.push_back({2, false, false});
  testing_support::FreshOrderBuild build(*fio.RowStore(), index);
  for (auto _ : state) benchmark::DoNotOptimize(build());
}
BENCHMARK(BM_BuildPersonNameOrder)->Unit(benchmark::kMillisecond);

void BM_StdSortPersonNames(benchmark::State& state) {
  const data::WordSortCollation collation;
  base::TComponent owner(nullptr);
  data::TClientDataSet fio(&owner, &collation);
  testing_support::OpenTable(fio, "daFio", DirectoryPackets().fio, "KEY_F");
  const uint32_t n = fio.RowStore()->RecordCount();
  std::vector<std::string> names(n + 1);
  for (uint32_t r = 1; r <= n; ++r) {
    data::FieldData value;
    fio.RowStore()->GetField(r, 2, value);
    names[r] = value.bytes;
  }
  for (auto _ : state) {
    std::vector<uint32_t> order(n);
    std::iota(order.begin(), order.end(), 1u);
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
      return collation.Compare(names[a], names[b], data::CaseMode::kSensitive) < 0;
    });
    benchmark::DoNotOptimize(order.data());
  }
}
BENCHMARK(BM_StdSortPersonNames)->Unit(benchmark::kMillisecond);

}  // namespace
