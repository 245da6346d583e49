// Arbitrary bytes as a person table's stored name order: whatever the bytes,
// the table opens, and once the stored order is checked the table holds
// exactly the order that a table without one builds; nothing may crash,
// leak or hang.
#include <cstddef>
#include <cstdint>
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
  static const std::string packet = testing_support::PersonPacket(
      {{1, "ЖУКОВ АА"}, {2, "АБРАМОВ ББ"}, {3, "ЯКОВЛЕВ ВВ"}, {4, "БЕЛОВ ГГ"}, {5, "ЖУКОВ АА"}, {6, "ёлкин дд"},
       {7, "ЕЛКИН ЕЕ"}, {8, "Иванов-Петров"}, {9, "ИВАНОВ ЖЖ"}, {10, "МОРОЗОВ"}, {11, "морозов"}, {12, "Ю"}});
  return packet;
}

std::vector<uint32_t> OrderOf(const std::string& stored) {
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
  if (OrderOf(std::string(reinterpret_cast<const char*>(bytes), size)) != fresh) __builtin_trap();
  return 0;
}
