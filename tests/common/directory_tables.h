// Reading the built directory packets and opening the two tables as the main
// window does, for the table benchmarks (host and Windows).
#pragma once

#include <fstream>
#include <iterator>
#include <string>

#include "data/client_data_set.h"

namespace testing_support {

// The bytes of `folder`/`name` (empty when it cannot be read).
inline std::string ReadFileBytes(const std::string& folder, const char* name) {
  std::ifstream in(folder + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Opens `table` over `packet`, read-only, in the order `order`.
inline void OpenTable(data::TClientDataSet& table, const char* name, const std::string& packet,
                      const char* order) {
  table.SetName(name);
  table.SetData(packet);
  table.SetIndexFieldNames(order);
  table.SetReadOnly(true);
  table.Open();
}

}  // namespace testing_support
