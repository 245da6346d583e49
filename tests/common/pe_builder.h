// Small Windows executables and resource blocks made in memory, for the tests
// of the bounded executable reader (tools/pe_image.h and its neighbours).
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace testing_support {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& bytes, std::size_t at, std::uint32_t value) {
  if (bytes.size() < at + 2) bytes.resize(at + 2);
  bytes[at] = static_cast<std::uint8_t>(value);
  bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}
inline void Put32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  Put16(bytes, at, value & 0xFFFF);
  Put16(bytes, at + 2, value >> 16);
}
inline void Append16(Bytes& bytes, std::uint32_t value) {
  Put16(bytes, bytes.size(), value);
}
inline void Append32(Bytes& bytes, std::uint32_t value) {
  Put32(bytes, bytes.size(), value);
}
inline void PadTo4(Bytes& bytes) {
  while (bytes.size() % 4) bytes.push_back(0);
}

struct TestResource {
  std::uint32_t type = 0;
  std::uint32_t name = 0;
  std::uint16_t language = 0;
  Bytes bytes;
};

// Where the builder puts things: the section's address and file offset.
inline constexpr std::uint32_t kResourceRva = 0x1000;
inline constexpr std::size_t kResourceFileOffset = 0x200;
inline constexpr std::size_t kPeOffset = 0x40;
inline constexpr std::size_t kOptionalOffset = kPeOffset + 24;

// The resource tree of `resources` (numbered types and names only), as it
// would lie at kResourceRva: directories, then data entries, then the bytes.
inline Bytes ResourceTree(std::vector<TestResource> resources) {
  std::sort(resources.begin(), resources.end(), [](const TestResource& a, const TestResource& b) {
    return std::tie(a.type, a.name, a.language) < std::tie(b.type, b.name, b.language);
  });
  std::map<std::uint32_t, std::map<std::uint32_t, std::vector<const TestResource*>>> tree;
  for (const TestResource& r : resources) tree[r.type][r.name].push_back(&r);
  const auto dir_size = [](std::size_t entries) { return 16 + 8 * entries; };
  // Offsets: the root, each type's directory, each name's directory, the data entries, the bytes.
  std::size_t offset = dir_size(tree.size());
  std::map<std::uint32_t, std::size_t> type_dirs;
  for (const auto& [type, names] : tree) {
    type_dirs[type] = offset;
    offset += dir_size(names.size());
  }
  std::map<std::pair<std::uint32_t, std::uint32_t>, std::size_t> name_dirs;
  for (const auto& [type, names] : tree) {
    for (const auto& [name, languages] : names) {
      name_dirs[{type, name}] = offset;
      offset += dir_size(languages.size());
    }
  }
  std::size_t entry_offset = offset;
  std::size_t data_offset = offset + 16 * resources.size();
  Bytes out(data_offset, 0);
  const auto directory = [&](std::size_t at, std::size_t count) {
    Put16(out, at + 14, static_cast<std::uint32_t>(count));
  };
  directory(0, tree.size());
  std::size_t root_entry = 16;
  for (const auto& [type, names] : tree) {
    Put32(out, root_entry, type);
    Put32(out, root_entry + 4, 0x80000000u | static_cast<std::uint32_t>(type_dirs[type]));
    root_entry += 8;
    directory(type_dirs[type], names.size());
    std::size_t type_entry = type_dirs[type] + 16;
    for (const auto& [name, languages] : names) {
      const std::size_t name_dir = name_dirs[{type, name}];
      Put32(out, type_entry, name);
      Put32(out, type_entry + 4, 0x80000000u | static_cast<std::uint32_t>(name_dir));
      type_entry += 8;
      directory(name_dir, languages.size());
      std::size_t name_entry = name_dir + 16;
      for (const TestResource* r : languages) {
        Put32(out, name_entry, r->language);
        Put32(out, name_entry + 4, static_cast<std::uint32_t>(entry_offset));
        name_entry += 8;
        while (data_offset % 4) ++data_offset;
        Put32(out, entry_offset, kResourceRva + static_cast<std::uint32_t>(data_offset));
        Put32(out, entry_offset + 4, static_cast<std::uint32_t>(r->bytes.size()));
        entry_offset += 16;
        out.resize(data_offset, 0);
        out.insert(out.end(), r->bytes.begin(), r->bytes.end());
        data_offset = out.size();
      }
    }
  }
  return out;
}

// A 64-bit executable's headers and one section ".rsrc" holding `tree`,
// which is also the resource directory. The section's bytes end the file.
inline Bytes ImageWithTree(const Bytes& tree, std::uint32_t time_stamp, std::uint16_t dll_characteristics) {
  Bytes image(kResourceFileOffset, 0);
  Put16(image, 0, 0x5A4D);
  Put32(image, 0x3C, kPeOffset);
  Put32(image, kPeOffset, 0x00004550);
  Put16(image, kPeOffset + 4, 0x8664);  // machine
  Put16(image, kPeOffset + 6, 1);       // sections
  Put32(image, kPeOffset + 8, time_stamp);
  Put16(image, kPeOffset + 20, 240);  // optional header size
  Put16(image, kOptionalOffset, 0x20B);
  Put16(image, kOptionalOffset + 68, 2);  // windowed program
  Put16(image, kOptionalOffset + 70, dll_characteristics);
  Put32(image, kOptionalOffset + 108, 16);
  Put32(image, kOptionalOffset + 112 + 16, kResourceRva);
  Put32(image, kOptionalOffset + 112 + 20, static_cast<std::uint32_t>(tree.size()));
  const std::size_t section = kOptionalOffset + 240;
  const char name[8] = {'.', 'r', 's', 'r', 'c'};
  std::copy(std::begin(name), std::end(name), image.begin() + static_cast<std::ptrdiff_t>(section));
  Put32(image, section + 8, static_cast<std::uint32_t>(tree.size()));  // virtual size
  Put32(image, section + 12, kResourceRva);
  Put32(image, section + 16, static_cast<std::uint32_t>(tree.size()));  // raw size
  Put32(image, section + 20, kResourceFileOffset);
  image.insert(image.end(), tree.begin(), tree.end());
  return image;
}

inline Bytes ImageWith(const std::vector<TestResource>& resources, std::uint32_t time_stamp = 0,
                       std::uint16_t dll_characteristics = 0) {
  return ImageWithTree(ResourceTree(resources), time_stamp, dll_characteristics);
}

// One node of a version block: length, value length, type, key, value,
// children, each part starting at a multiple of 4 from the node's start
// (nodes are put at such offsets, so that holds from the block's start too).
inline Bytes VersionNode(const std::u16string& key, std::uint16_t type, const Bytes& value,
                         std::uint16_t value_length, const std::vector<Bytes>& children = {}) {
  Bytes node(6, 0);
  for (char16_t unit : key) Append16(node, unit);
  Append16(node, 0);
  PadTo4(node);
  node.insert(node.end(), value.begin(), value.end());
  for (const Bytes& child : children) {
    PadTo4(node);
    node.insert(node.end(), child.begin(), child.end());
  }
  Put16(node, 0, static_cast<std::uint32_t>(node.size()));
  Put16(node, 2, value_length);
  Put16(node, 4, type);
  return node;
}

// A text value as a version block stores it: UTF-16 with a terminating zero.
inline Bytes VersionText(const std::u16string& text) {
  Bytes value;
  for (char16_t unit : text) Append16(value, unit);
  Append16(value, 0);
  return value;
}

inline Bytes VersionString(const std::u16string& name, const std::u16string& value) {
  return VersionNode(name, 1, VersionText(value), static_cast<std::uint16_t>(value.size() + 1));
}

}  // namespace testing_support
