#include "tools/pe_image.h"

#include <algorithm>

#include "base/byte_cursor.h"

namespace tools {

namespace {

constexpr std::uint16_t kDosSignature = 0x5A4D;     // "MZ"
constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::size_t kDosPointerOffset = 0x3C;     // e_lfanew
constexpr std::size_t kCoffHeaderSize = 20;
constexpr std::uint16_t kMagic32 = 0x10B;
constexpr std::uint16_t kMagic64 = 0x20B;
constexpr std::size_t kCheckSumOffset = 64;  // in the optional header, both kinds
constexpr std::size_t kSectionHeaderSize = 40;
constexpr std::uint32_t kResourceDirectoryIndex = 2;
constexpr std::uint32_t kHighBit = 0x80000000u;
// A resource tree of a real program has a few dozen entries; a bound keeps a
// tree whose directories point at each other repeatedly from multiplying.
constexpr std::size_t kMaxResourceEntries = 1u << 16;

struct CoffHeader {
  std::size_t offset = 0;  // of the "PE\0\0" signature
  std::uint16_t machine = 0;
  std::uint16_t sections = 0;
  std::uint32_t time_stamp = 0;
  std::uint16_t optional_size = 0;
};

PeError ReadCoffHeader(base::ByteCursor cursor, CoffHeader& header) {
  std::uint16_t dos = 0;
  if (!cursor.Read(dos)) return PeError::kTruncated;
  if (dos != kDosSignature) return PeError::kNotExecutable;
  std::uint32_t pe_offset = 0;
  if (!cursor.Seek(kDosPointerOffset) || !cursor.Read(pe_offset)) return PeError::kTruncated;
  std::uint32_t signature = 0;
  if (!cursor.Seek(pe_offset) || !cursor.Read(signature)) return PeError::kTruncated;
  if (signature != kPeSignature) return PeError::kNotExecutable;
  header.offset = pe_offset;
  std::uint32_t symbols = 0, symbol_count = 0;
  std::uint16_t characteristics = 0;
  cursor.Read(header.machine);
  cursor.Read(header.sections);
  cursor.Read(header.time_stamp);
  cursor.Read(symbols);
  cursor.Read(symbol_count);
  cursor.Read(header.optional_size);
  cursor.Read(characteristics);
  if (!cursor.Ok()) return PeError::kTruncated;
  // The optional header must reach at least its check sum and its magic must be known.
  if (header.optional_size < kCheckSumOffset + 4) return PeError::kBadOptionalHeader;
  if (!cursor.Fits(header.optional_size)) return PeError::kTruncated;
  return PeError::kNone;
}

std::size_t OptionalHeaderOffset(const CoffHeader& header) {
  return header.offset + 4 + kCoffHeaderSize;
}

}  // namespace

const char* Describe(PeError error) {
  switch (error) {
    case PeError::kNone:
      return "no error";
    case PeError::kTruncated:
      return "the file ends inside its headers";
    case PeError::kNotExecutable:
      return "not a Windows executable (no MZ or PE signature)";
    case PeError::kBadOptionalHeader:
      return "the optional header is too short or of an unknown kind";
    case PeError::kBadSection:
      return "a section's bytes pass the end of the file";
    case PeError::kBadResources:
      return "the resource tree is malformed";
  }
  return "unknown error";
}

PeError LocateHeaderFields(std::span<const std::uint8_t> file, PeHeaderFields& fields) {
  CoffHeader header;
  if (const PeError error = ReadCoffHeader(base::ByteCursor(file), header); error != PeError::kNone)
    return error;
  fields.time_stamp = header.offset + 8;
  fields.checksum = OptionalHeaderOffset(header) + kCheckSumOffset;
  return PeError::kNone;
}

std::uint32_t PeCheckSum(std::span<const std::uint8_t> file, std::size_t checksum_offset) {
  std::uint64_t sum = 0;
  for (std::size_t i = 0; i < file.size(); i += 2) {
    std::uint32_t word = file[i];
    if (i + 1 < file.size()) word |= std::uint32_t{file[i + 1]} << 8;
    if (i >= checksum_offset && i < checksum_offset + 4) word = 0;
    sum += word;
    sum = (sum & 0xFFFF) + (sum >> 16);
  }
  sum = (sum & 0xFFFF) + (sum >> 16);
  return static_cast<std::uint32_t>(sum + file.size());
}

PeError PeImage::Read(std::span<const std::uint8_t> file) {
  file_ = file;
  sections_.clear();
  resource_rva_ = resource_size_ = 0;
  base::ByteCursor cursor(file);
  CoffHeader header;
  if (const PeError error = ReadCoffHeader(cursor, header); error != PeError::kNone) return error;
  machine_ = header.machine;
  time_stamp_ = header.time_stamp;
  fields_.time_stamp = header.offset + 8;
  fields_.checksum = OptionalHeaderOffset(header) + kCheckSumOffset;

  cursor.Seek(OptionalHeaderOffset(header));
  base::ByteCursor optional = cursor.Slice(header.optional_size);
  std::uint16_t magic = 0;
  optional.Read(magic);
  if (magic != kMagic32 && magic != kMagic64) return PeError::kBadOptionalHeader;
  is_64_bit_ = magic == kMagic64;
  optional.Seek(kCheckSumOffset);
  optional.Read(checksum_);
  optional.Read(subsystem_);
  optional.Read(dll_characteristics_);
  // The count of data directories, then the directories.
  std::uint32_t directories = 0;
  optional.Seek(is_64_bit_ ? 108 : 92);
  optional.Read(directories);
  if (!optional.Ok()) return PeError::kBadOptionalHeader;
  if (directories > kResourceDirectoryIndex) {
    optional.Skip(8 * kResourceDirectoryIndex);
    optional.Read(resource_rva_);
    optional.Read(resource_size_);
    if (!optional.Ok()) return PeError::kBadOptionalHeader;
  }

  for (std::uint16_t i = 0; i < header.sections; ++i) {
    std::span<const std::uint8_t> name;
    PeSection section;
    if (!cursor.ReadSpan(8, name)) return PeError::kTruncated;
    section.name.assign(name.begin(), std::find(name.begin(), name.end(), std::uint8_t{0}));
    cursor.Read(section.virtual_size);
    cursor.Read(section.virtual_address);
    cursor.Read(section.raw_size);
    cursor.Read(section.raw_offset);
    if (!cursor.Skip(kSectionHeaderSize - 24)) return PeError::kTruncated;
    if (std::uint64_t{section.raw_offset} + section.raw_size > file.size()) return PeError::kBadSection;
    sections_.push_back(std::move(section));
  }
  return PeError::kNone;
}

bool PeImage::AtAddress(std::uint32_t rva, std::uint32_t size, std::span<const std::uint8_t>& out) const {
  for (const PeSection& section : sections_) {
    if (rva < section.virtual_address) continue;
    const std::uint64_t start = rva - section.virtual_address;
    const std::uint64_t limit =
        section.virtual_size != 0 ? std::min(section.virtual_size, section.raw_size) : section.raw_size;
    if (start >= limit && !(start == limit && size == 0)) continue;
    if (start + size > limit) return false;
    out = file_.subspan(section.raw_offset + start, size);
    return true;
  }
  return false;
}

namespace {

// Walks the resource tree below one directory; `level` 0 is the types, 1 the
// names, 2 the languages, whose entries point at the resources' bytes.
class ResourceWalk {
 public:
  ResourceWalk(const PeImage& image, std::span<const std::uint8_t> tree, std::vector<PeResource>& out)
      : image_(image), tree_(tree), out_(out) {}

  bool Directory(std::uint32_t offset, int level, PeResource& path) {
    base::ByteCursor cursor(tree_);
    std::uint16_t named = 0, numbered = 0;
    cursor.Seek(offset);
    cursor.Skip(12);
    cursor.Read(named);
    cursor.Read(numbered);
    if (!cursor.Ok()) return false;
    for (std::uint32_t i = 0; i < std::uint32_t{named} + numbered; ++i) {
      if (++entries_ > kMaxResourceEntries) return false;
      std::uint32_t name = 0, target = 0;
      cursor.Read(name);
      cursor.Read(target);
      if (!cursor.Ok()) return false;
      ResourceKey key;
      if (name & kHighBit) {
        if (!Name(name & ~kHighBit, key.text)) return false;
      } else {
        key.id = name;
      }
      const bool is_directory = (target & kHighBit) != 0;
      if (is_directory != (level < 2)) return false;
      if (level == 0) path.type = key;
      if (level == 1) path.name = key;
      if (level < 2) {
        if (!Directory(target & ~kHighBit, level + 1, path)) return false;
      } else {
        if (!key.text.empty() || key.id > 0xFFFF) return false;
        path.language = static_cast<std::uint16_t>(key.id);
        if (!Data(target, path)) return false;
      }
    }
    return true;
  }

 private:
  bool Name(std::uint32_t offset, std::u16string& text) {
    base::ByteCursor cursor(tree_);
    std::uint16_t length = 0;
    cursor.Seek(offset);
    cursor.Read(length);
    if (length == 0) return false;
    text.clear();
    for (std::uint16_t i = 0; i < length; ++i) {
      std::uint16_t unit = 0;
      if (!cursor.Read(unit)) return false;
      text.push_back(static_cast<char16_t>(unit));
    }
    return true;
  }

  bool Data(std::uint32_t offset, PeResource& path) {
    base::ByteCursor cursor(tree_);
    std::uint32_t rva = 0, size = 0;
    cursor.Seek(offset);
    cursor.Read(rva);
    cursor.Read(size);
    if (!cursor.Skip(8)) return false;
    if (!image_.AtAddress(rva, size, path.bytes)) return false;
    out_.push_back(path);
    return true;
  }

  const PeImage& image_;
  std::span<const std::uint8_t> tree_;
  std::vector<PeResource>& out_;
  std::size_t entries_ = 0;
};

}  // namespace

PeError PeImage::ReadResources(std::vector<PeResource>& out) const {
  out.clear();
  if (resource_rva_ == 0 && resource_size_ == 0) return PeError::kNone;
  std::span<const std::uint8_t> tree;
  if (!AtAddress(resource_rva_, resource_size_, tree)) return PeError::kBadResources;
  PeResource path;
  if (!ResourceWalk(*this, tree, out).Directory(0, 0, path)) {
    out.clear();
    return PeError::kBadResources;
  }
  return PeError::kNone;
}

std::vector<const PeResource*> ResourcesOf(const std::vector<PeResource>& resources, std::uint32_t type) {
  std::vector<const PeResource*> found;
  for (const PeResource& resource : resources) {
    if (resource.type == ResourceKey{type, {}}) found.push_back(&resource);
  }
  return found;
}

const PeResource* FindResource(const std::vector<PeResource>& resources, std::uint32_t type,
                               std::uint32_t name) {
  for (const PeResource* resource : ResourcesOf(resources, type)) {
    if (resource->name == ResourceKey{name, {}}) return resource;
  }
  return nullptr;
}

}  // namespace tools
