// Timings of the directory tables under Windows (or Wine), with the system's
// string order: opening both tables from their packets, switching the phone
// table "TEL" -> "FIO" -> "TEL", one key search, and the phone table's name
// order against a plain std::sort of the same keys; then the searches' data
// path: one complete name search (daTel to "FIO", the key search, back to
// "TEL", loFIO computed on each refill by a scan of daFio) for a person early,
// in the middle and late in the alphabet, one number search, and a LocateRow
// of daFio by a two-letter prefix. Prints medians.
//
//   win_tables_bench.exe [packet folder]   (default: the host tree's packets via Z:)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <vector>

#include "data/client_data_set.h"
#include "data/system_collation.h"
#include "tests/common/directory_search.h"
#include "tests/common/directory_tables.h"
#include "tests/common/fresh_order_build.h"
#include "tests/common/median_time.h"

using testing_support::MedianMilliseconds;

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : PHONEBOOK_HOST_PACKET_DIR;
  const std::string fio_packet = testing_support::ReadFileBytes(folder, "fio.packet");
  const std::string tel_packet = testing_support::ReadFileBytes(folder, "tel.packet");
  if (fio_packet.empty() || tel_packet.empty()) {
    std::fprintf(stderr, "no packets in %s (build the host tree first, or name the folder)\n",
                 folder.c_str());
    return 1;
  }
  const data::SystemCollation collation;
  const double open = MedianMilliseconds(15, [&] {
    base::TComponent owner(nullptr);
    data::TClientDataSet fio(&owner, &collation), tel(&owner, &collation);
    testing_support::OpenTable(fio, "daFio", fio_packet, "FIO");
    testing_support::OpenTable(tel, "daTel", tel_packet, "TEL");
  });

  base::TComponent owner(nullptr);
  data::TClientDataSet tel(&owner, &collation);
  testing_support::OpenTable(tel, "daTel", tel_packet, "TEL");
  const double change = MedianMilliseconds(31, [&] {
    tel.SetIndexFieldNames("FIO");
    tel.SetIndexFieldNames("TEL");
  });

  std::vector<int64_t> numbers;
  std::vector<int16_t> keys(tel.RowStore()->RecordCount() + 1);
  for (uint32_t r = 1; r < keys.size(); ++r) {
    data::FieldData value;
    tel.RowStore()->GetField(r, 1, value);
    int32_t n = 0;
    for (size_t i = 0; i < 4; ++i) n |= static_cast<int32_t>(static_cast<uint8_t>(value.bytes[i])) << (8 * i);
    numbers.push_back(n);
    tel.RowStore()->GetField(r, 2, value);
    keys[r] = static_cast<int16_t>(static_cast<uint8_t>(value.bytes[0]) | static_cast<uint8_t>(value.bytes[1])
                                                                              << 8);
  }
  const int kSeeks = 100000;
  const double seeks = MedianMilliseconds(5, [&] {
    for (int i = 0; i < kSeeks; ++i) tel.SeekKey({numbers[static_cast<size_t>(i) * 97 % numbers.size()]});
  });

  data::IndexDescriptor by_person;
  by_person.name = "FIO";
  by_person.fields.push_back({2, false, false});
  testing_support::FreshOrderBuild person_order(*tel.RowStore(), by_person);
  const double build = MedianMilliseconds(31, [&] { person_order(); });
  const double plain = MedianMilliseconds(31, [&] {
    std::vector<uint32_t> order(keys.size() - 1);
    std::iota(order.begin(), order.end(), 1u);
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) { return keys[a] < keys[b]; });
  });

  data::TClientDataSet fio(&owner, &collation);
  testing_support::OpenTable(fio, "daFio", fio_packet, "KEY_F");
  data::IndexDescriptor by_name = by_person;
  testing_support::FreshOrderBuild name_order(*fio.RowStore(), by_name);
  const double names = MedianMilliseconds(15, [&] { name_order(); });

  std::printf("open daFio (\"FIO\") and daTel (\"TEL\") from their packets: %.2f ms\n", open);
  std::printf("daTel \"TEL\" -> \"FIO\" -> \"TEL\", both orders kept:    %.2f ms\n", change);
  std::printf("one SeekKey on daTel \"TEL\":                          %.3f us\n", seeks * 1000.0 / kSeeks);
  std::printf("daTel \"FIO\" order build: %.2f ms; std::sort of the same keys: %.2f ms (ratio %.1f)\n", build,
              plain, build / plain);
  std::printf("daFio \"FIO\" order build (system sort keys):          %.2f ms\n", names);

  testing_support::DirectorySearch d(&collation, fio_packet, tel_packet);
  const auto rows = static_cast<int32_t>(d.fio.RecordCount());
  for (const int percent : {0, 50, 100}) {
    d.fio.GoFirst();
    d.fio.Step((rows - 1) * percent / 100);
    const int32_t key = d.fio.FieldByName("KEY_F")->AsInteger();
    const double ms = MedianMilliseconds(31, [&] { d.NameSearch(key); });
    std::printf("name search, person at %3d%% of the alphabet:        %.2f ms\n", percent, ms);
  }
  d.tel.GoLast();
  const int32_t number = d.tel_number->AsInteger();
  const double by_number = MedianMilliseconds(101, [&] { d.NumberSearch(number); });
  std::printf("number search (owner late in the alphabet):          %.3f ms\n", by_number);
  d.fio.GoLast();
  const std::string prefix = d.fio.FieldByName("FIO")->AsString().substr(0, 2);
  const double locate = MedianMilliseconds(101, [&] { d.fio.LocateRow("FIO", {prefix}, {true, true}); });
  std::printf("LocateRow of daFio by a two-letter prefix (late):    %.3f ms\n", locate);
  return 0;
}
