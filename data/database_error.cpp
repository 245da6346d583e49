#include "data/database_error.h"

#include "base/format.h"

namespace data {

std::string TableMessage(std::string_view table, std::string_view message) {
  if (table.empty()) return std::string(message);
  return base::Format("%s: %s", std::string(table).c_str(), std::string(message).c_str());
}

}  // namespace data
