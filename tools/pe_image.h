// PeImage: a bounded reader of a Windows executable's headers, sections and
// resource tree, for the build's own checks of the program (tools/pe_stamp,
// tools/program_identity_check). It reads the bytes of any file it is given:
// every read goes through base::ByteCursor, so a malformed or truncated file
// gives an error code and nothing is read outside the bytes.
//
// Only what those checks need is read: the DOS stub's pointer, the COFF
// header, the optional header (32- or 64-bit) with its data directories, the
// section table, and the three levels of the resource tree (type, name,
// language) down to each resource's bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tools {

enum class PeError : std::uint8_t {
  kNone,
  kTruncated,      // a header or table passes the end of the file
  kNotExecutable,  // no "MZ" or no "PE\0\0" signature
  kBadOptionalHeader,
  kBadSection,    // a section's bytes pass the end of the file
  kBadResources,  // the resource tree points outside its section or is not three levels deep
};
const char* Describe(PeError error);

// Offsets in the file of the header fields that tools/pe_stamp writes.
struct PeHeaderFields {
  std::size_t time_stamp = 0;  // COFF header TimeDateStamp, 4 bytes
  std::size_t checksum = 0;    // optional header CheckSum, 4 bytes
};

// The header fields alone, without the section table: enough for a file whose
// sections hold no bytes (debug information kept apart by objcopy).
PeError LocateHeaderFields(std::span<const std::uint8_t> file, PeHeaderFields& fields);

// The optional header's check sum of `file`: its 16-bit words added with the
// carry folded back, the check sum field itself counted as zero, plus the
// file's length. `checksum_offset` is PeHeaderFields::checksum.
std::uint32_t PeCheckSum(std::span<const std::uint8_t> file, std::size_t checksum_offset);

struct PeSection {
  std::string name;
  std::uint32_t virtual_address = 0;
  std::uint32_t virtual_size = 0;
  std::uint32_t raw_offset = 0;
  std::uint32_t raw_size = 0;
};

// A resource's type or name: a number, or (when `text` is not empty) a name.
struct ResourceKey {
  std::uint32_t id = 0;
  std::u16string text;
  bool operator==(const ResourceKey&) const = default;
};

struct PeResource {
  ResourceKey type;
  ResourceKey name;
  std::uint16_t language = 0;
  std::span<const std::uint8_t> bytes;
};

// Resource types the checks look at.
inline constexpr std::uint32_t kResourceIcon = 3;
inline constexpr std::uint32_t kResourceIconGroup = 14;
inline constexpr std::uint32_t kResourceVersion = 16;
inline constexpr std::uint32_t kResourceManifest = 24;

// IMAGE_DLLCHARACTERISTICS_TERMINAL_SERVER_AWARE.
inline constexpr std::uint16_t kTerminalServerAware = 0x8000;

class PeImage {
 public:
  // Reads the headers and the section table of `file`, which must outlive
  // the image (its resources point into it).
  PeError Read(std::span<const std::uint8_t> file);

  bool Is64Bit() const { return is_64_bit_; }
  std::uint16_t Machine() const { return machine_; }
  std::uint32_t TimeStamp() const { return time_stamp_; }
  std::uint32_t CheckSum() const { return checksum_; }
  std::uint16_t DllCharacteristics() const { return dll_characteristics_; }
  std::uint16_t Subsystem() const { return subsystem_; }
  const PeHeaderFields& Fields() const { return fields_; }
  const std::vector<PeSection>& Sections() const { return sections_; }

  // The `size` bytes at relative virtual address `rva`, when they lie in one
  // section's bytes in the file; false otherwise.
  bool AtAddress(std::uint32_t rva, std::uint32_t size, std::span<const std::uint8_t>& out) const;

  // Every resource, in the tree's order. An image without resources gives
  // none and kNone.
  PeError ReadResources(std::vector<PeResource>& out) const;

 private:
  std::span<const std::uint8_t> file_;
  bool is_64_bit_ = false;
  std::uint16_t machine_ = 0;
  std::uint32_t time_stamp_ = 0;
  std::uint32_t checksum_ = 0;
  std::uint16_t dll_characteristics_ = 0;
  std::uint16_t subsystem_ = 0;
  std::uint32_t resource_rva_ = 0;
  std::uint32_t resource_size_ = 0;
  PeHeaderFields fields_;
  std::vector<PeSection> sections_;
};

// The resources of `type` (and of `name`, when given) among `resources`.
std::vector<const PeResource*> ResourcesOf(const std::vector<PeResource>& resources, std::uint32_t type);
const PeResource* FindResource(const std::vector<PeResource>& resources, std::uint32_t type,
                               std::uint32_t name);

}  // namespace tools
