// Arbitrary bytes as a person table's stored name order: whatever the bytes,
// the table opens, and once the stored order is checked the table holds
// exactly the order that a table without one builds; nothing may crash,
// leak or hang.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "data/client_data_set.h"
#include "data/word_sort_collation.h"
#include "tests/common/table_packets.h"

namespace {

// Twelve names, two of them equal, so that equal pairs and every kind of
// misplaced entry can be reached with a few bytes.
const std::string& Packet() {
  static const std::string packet = testing_support::PersonPacket({{1, "ZHUKOV AA"},
                                                                   {2, "ABRAMOV BB"},
                                                                   {3, "YAKOVLEV VV"},
                                                                   {4, "BELOV GG"},
                                                                   {5, "ZHUKOV AA"},
                                                                   {6, "elkin dd"},
                                                                   {7, "ELKIN EE"},
                                                                   {8, "Ivanov-Petrov"},
                                                                   {9, "IVANOV ZH"},
                                                                   {10, "MOROZOV"},
                                                                   {11, "morozov"},
                                                                   {12, "YU"}});
  return packet;
}

std::vector<uint32_t> OrderOf(std::span<const uint8_t> stored) {
  static const data::WordSortCollation collation;
  base::TComponent owner(nullptr);
  data::TClientDataSet table(&owner, &collation);
  table.SetData(Packet());
  table.SetStoredOrder(stored);
  table.SetIndexFieldNames("FIO");
  table.Open();
  table.CheckStoredOrder();
  if (table.StoredOrderUnchecked()) __builtin_trap();
  std::vector<uint32_t> records;
  table.Cursor()->MoveToBOF();
  for (uint32_t r = 0; table.Cursor()->GetNextRecord(r) == data::kDsOk;) records.push_back(r);
  return records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  static const std::vector<uint32_t> fresh = OrderOf({});
  if (OrderOf({bytes, size}) != fresh) __builtin_trap();
  return 0;
}
