// IconGroup: an icon group resource of an executable and the images it names,
// read back bounded like tools/pe_image.h.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "tools/pe_image.h"

namespace tools {

struct IconImage {
  int width = 0;  // from the group's entry (0 there means 256)
  int height = 0;
  int bit_count = 0;
  std::uint16_t id = 0;  // of the icon resource holding the image
  bool png = false;      // the image is stored as PNG rather than as a bitmap
  int stored_width = 0;  // the image's own size: the PNG header's or the bitmap's
  int stored_height = 0;
};

enum class IconGroupError : std::uint8_t {
  kNone,
  kMalformedGroup,  // the group's header or entries do not fit, or it is not an icon group
  kMissingImage,    // an entry names an icon resource that is not there
  kMalformedImage,  // an image is neither a PNG nor a bitmap with a header
};
const char* Describe(IconGroupError error);

// Reads the group `group` and finds each of its images among `resources`.
IconGroupError ReadIconGroup(std::span<const std::uint8_t> group, const std::vector<PeResource>& resources,
                             std::vector<IconImage>& images);

}  // namespace tools
