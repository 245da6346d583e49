#include "data/collation.h"

namespace data {

int CompareSortKeys(std::string_view a, std::string_view b) {
  const int c = a.compare(b);  // char_traits<char>::compare orders as unsigned char
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

}  // namespace data
