// The string order a table uses when its creator gives none: the system's on
// Windows (data/system_collation.h), the portable word sort elsewhere
// (data/word_sort_collation.h). Both are stateless; the object lives for the
// whole program.
#pragma once

#include "data/collation.h"

namespace data {

const Collation& DefaultCollation();

}  // namespace data
