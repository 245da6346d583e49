// A deterministic sample of realistic directory names in 1251, for tests and
// benchmarks of the string order: "SURNAME IO" in upper case, with the cases
// that make a collation interesting mixed in (Ё, double surnames with a
// hyphen, an apostrophe, Latin letters, digits, lower case, a surname that is
// a prefix of another).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

std::vector<std::string> SampleNames(size_t count, uint32_t seed = 20031001);

}  // namespace testing_support
