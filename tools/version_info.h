// VersionInfo: the version resource of an executable read back (its fixed
// part and its string tables), bounded like tools/pe_image.h: a malformed
// block is an error, nothing is read outside it.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace tools {

struct VersionTranslation {
  std::uint16_t language = 0;
  std::uint16_t code_page = 0;
  bool operator==(const VersionTranslation&) const = default;
};

struct VersionInfo {
  // The fixed part's file and product versions, most significant part first.
  std::uint16_t file_version[4] = {};
  std::uint16_t product_version[4] = {};
  std::uint32_t file_os = 0;
  std::uint32_t file_type = 0;
  std::vector<VersionTranslation> translations;
  // String table key (such as "041904B0", upper case) -> name -> value, in UTF-8.
  std::map<std::string, std::map<std::string, std::string>> strings;
};

// Reads `block` (a version resource's bytes); false when it is malformed.
bool ReadVersionInfo(std::span<const std::uint8_t> block, VersionInfo& info);

}  // namespace tools
