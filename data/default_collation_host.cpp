#include "data/default_collation.h"
#include "data/word_sort_collation.h"

namespace data {

const Collation& DefaultCollation() {
  static const WordSortCollation collation;
  return collation;
}

}  // namespace data
