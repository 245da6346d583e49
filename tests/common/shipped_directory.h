// The committed directory source (PHONEBOOK_DIRECTORY_SOURCE) read by the
// packet builder's own reader, once per test program: what every search on
// the built tables must agree with. Person i has the key i + 1; names are
// 1251 text.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/directory_source.h"

namespace testing_support {

inline const tools::Directory& ShippedDirectory() {
  static const tools::Directory directory = [] {
    std::ifstream in(PHONEBOOK_DIRECTORY_SOURCE, std::ios::binary);
    const std::string text(std::istreambuf_iterator<char>(in), {});
    std::vector<std::string> errors;
    auto read = tools::ReadDirectorySource(text, "directory.txt", errors);
    EXPECT_TRUE(read.has_value()) << PHONEBOOK_DIRECTORY_SOURCE;
    return read.value_or(tools::Directory{});
  }();
  return directory;
}

}  // namespace testing_support
