// Arbitrary bytes read as a Windows executable by the build's bounded reader:
// headers, resource tree, and each resource as a version block, an icon group
// and the manifest's XML. Every read either succeeds or gives an error; no
// crash, no read outside the bytes (the sanitizers watch), no hang.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "tools/icon_group.h"
#include "tools/pe_image.h"
#include "tools/version_info.h"
#include "tools/xml_document.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  tools::PeHeaderFields fields;
  if (tools::LocateHeaderFields(bytes, fields) == tools::PeError::kNone) {
    (void)tools::PeCheckSum(bytes, fields.checksum);
  }
  tools::PeImage image;
  std::vector<tools::PeResource> resources;
  if (image.Read(bytes) == tools::PeError::kNone) (void)image.ReadResources(resources);
  // The bytes themselves as each kind of block too, so that the block
  // readers are reached without a well-formed executable around them.
  std::vector<std::span<const std::uint8_t>> blocks = {bytes};
  for (const tools::PeResource& resource : resources) blocks.push_back(resource.bytes);
  for (const std::span<const std::uint8_t> block : blocks) {
    tools::VersionInfo info;
    (void)tools::ReadVersionInfo(block, info);
    std::vector<tools::IconImage> images;
    (void)tools::ReadIconGroup(block, resources, images);
    tools::XmlElement root;
    (void)tools::ReadXml(std::string_view(reinterpret_cast<const char*>(block.data()), block.size()), root);
  }
  return 0;
}
