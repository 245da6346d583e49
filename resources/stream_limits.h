// The limits of the component stream reader, in one place. Every count and
// length of a stream is checked against them (and against the bytes left)
// before anything is allocated, so a damaged stream cannot make the reader
// recurse deeply, allocate much or run for long.
#pragma once

#include <cstddef>

namespace resources {

struct StreamLimits {
  // Nesting of object records, lists and collections together.
  std::size_t max_depth = 32;
  // Components created by one stream.
  std::size_t max_components = 4096;
  // Elements of one list or set, items of one collection, properties of one
  // object or item.
  std::size_t max_elements = 65536;
  // Bytes of one binary payload or text (wide text: twice its unit count).
  std::size_t max_payload = 64u << 20;
};

}  // namespace resources
