// Reading a window stream compiled by the host build (PHONEBOOK_FORM_DIR)
// into a window object, as the program reads its embedded ones.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "app/forms/component_classes.h"
#include "resources/component_reader.h"

namespace testing_support {

inline std::string ReadFormStreamFile(const std::string& stream_name) {
  const std::string path = std::string(PHONEBOOK_FORM_DIR) + "/" + stream_name;
  std::ifstream in(path, std::ios::binary);
  EXPECT_TRUE(in) << path;
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Reads "tmainform.stream" or "tfmabout.stream" into `window`.
inline void LoadFormStream(const char* stream_name, base::TComponent& window) {
  const std::string stream = ReadFormStreamFile(stream_name);
  resources::ClassRegistry registry;
  app::RegisterComponentClasses(registry);
  resources::ReadComponentStream({reinterpret_cast<const std::uint8_t*>(stream.data()), stream.size()},
                                 window, registry);
}

}  // namespace testing_support
