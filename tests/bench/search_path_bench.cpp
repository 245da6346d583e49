// The data path of the searches on the directory tables: one complete name
// search (daTel to "FIO", the key search, back to "TEL", each refill
// computing loFIO by a scan of daFio in name order) for a person early, in
// the middle and late in the alphabet; one number search; and a LocateRow of
// daFio by a two-letter prefix, as the name picker does while typing.
#include <benchmark/benchmark.h>

#include "data/word_sort_collation.h"
#include "tests/common/directory_search.h"
#include "tests/common/directory_tables.h"

namespace {

testing_support::DirectorySearch& Directory() {
  static const data::WordSortCollation collation;
  static testing_support::DirectorySearch directory(
      &collation, testing_support::ReadFileBytes(PHONEBOOK_PACKET_DIR, "fio.packet"),
      testing_support::ReadFileBytes(PHONEBOOK_PACKET_DIR, "tel.packet"));
  return directory;
}

// The key of the person at `fraction` of the name order.
int32_t PersonAt(double fraction) {
  auto& d = Directory();
  const auto rows = static_cast<int32_t>(d.fio.RecordCount());
  d.fio.GoFirst();
  d.fio.Step(static_cast<int32_t>(fraction * (rows - 1)));
  return d.fio.FieldByName("KEY_F")->AsInteger();
}

void BM_NameSearch(benchmark::State& state) {
  const int32_t key = PersonAt(static_cast<double>(state.range(0)) / 100.0);
  auto& d = Directory();
  for (auto _ : state) benchmark::DoNotOptimize(d.NameSearch(key));
}
// Early, middle and late in the alphabet (per cent of the name order).
BENCHMARK(BM_NameSearch)->Arg(0)->Arg(50)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_NumberSearch(benchmark::State& state) {
  auto& d = Directory();
  d.tel.GoLast();
  const int32_t number = d.tel_number->AsInteger();
  for (auto _ : state) benchmark::DoNotOptimize(d.NumberSearch(number));
}
BENCHMARK(BM_NumberSearch)->Unit(benchmark::kMillisecond);

// A prefix late in the alphabet: the scan runs over most of the order.
void BM_LocateRowByPrefix(benchmark::State& state) {
  auto& d = Directory();
  d.fio.GoLast();
  const std::string prefix = d.fio.FieldByName("FIO")->AsString().substr(0, 2);
  for (auto _ : state) benchmark::DoNotOptimize(d.fio.LocateRow("FIO", {prefix}, {true, true}));
}
BENCHMARK(BM_LocateRowByPrefix)->Unit(benchmark::kMillisecond);

}  // namespace
