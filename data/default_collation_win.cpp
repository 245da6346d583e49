#include "data/default_collation.h"
#include "data/system_collation.h"

namespace data {

const Collation& DefaultCollation() {
  static const SystemCollation collation;
  return collation;
}

}  // namespace data
