// The committed directory source (PHONEBOOK_DIRECTORY_SOURCE) read by the
// packet builder's own reader, once per test program: what every search on
// the built tables must agree with. Person i has the key i + 1; names are
// 1251 text.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
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

// What tests of the built tables and packets expect of the shipped
// directory, taken from the source so that an edited directory keeps them
// true.
inline size_t ShippedPersonCount() {
  return ShippedDirectory().persons.size();
}
inline size_t ShippedNumberCount() {
  return ShippedDirectory().NumberCount();
}

// The metadata of the two packets (columns, their properties, the table's):
// it does not depend on the rows.
inline constexpr size_t kPersonPacketMetadata = 75;
inline constexpr size_t kPhonePacketMetadata = 92;

// The packet sizes the builder must write: the metadata, then per row a
// status byte and a field-flag byte before the values (a person: the 2-byte
// key and the name after its 1-byte length; a number: the 4-byte number and
// the 2-byte person key).
inline size_t PersonPacketSize() {
  size_t size = kPersonPacketMetadata;
  for (const tools::DirectoryPerson& person : ShippedDirectory().persons)
    size += 1 + 1 + 2 + 1 + person.name.size();
  return size;
}
inline size_t PhonePacketSize() {
  return kPhonePacketMetadata + ShippedNumberCount() * (1 + 1 + 4 + 2);
}

}  // namespace testing_support
