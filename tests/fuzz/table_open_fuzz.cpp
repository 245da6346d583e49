// Arbitrary bytes as a table's packet: loaded into a row store and opened as
// a table with an order on its first field. A malformed packet must end in
// EDBClient (or another table error) with a message; nothing may crash, leak
// or hang.
#include <cstddef>
#include <cstdint>
#include <string>

#include "data/client_data_set.h"
#include "data/database_error.h"
#include "data/word_sort_collation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  static const data::WordSortCollation collation;
  base::TComponent owner(nullptr);
  auto* table = new data::TClientDataSet(&owner, &collation);
  table->SetName("daFuzz");
  table->SetData(std::string(reinterpret_cast<const char*>(bytes), size));
  try {
    table->Open();
  } catch (const data::EDBClient& e) {
    if (e.ErrorCode() == 0 || e.Message().empty()) __builtin_trap();
    return 0;
  } catch (const data::EDatabaseError&) {
    return 0;
  }
  // Opened: walk an order over every field that has an object, and search.
  for (data::TField* field : table->Fields().Items()) {
    try {
      table->SetIndexFieldNames(field->FieldName());
      table->SeekKey({int64_t{1}});
      (void)field->AsString();
    } catch (const base::Exception&) {
    }
  }
  return 0;
}
