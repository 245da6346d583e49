#include "tools/icon_group.h"

#include <algorithm>

#include "base/byte_cursor.h"

namespace tools {

namespace {

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint32_t kPngHeaderChunk = 0x49484452;  // "IHDR", read big-endian
constexpr std::uint32_t kBitmapHeaderSize = 40;

std::uint32_t BigEndian(std::span<const std::uint8_t> bytes) {
  return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 | std::uint32_t{bytes[2]} << 8 |
         bytes[3];
}

// The image's own size: from the PNG's header chunk, or from the bitmap's
// header (whose height counts the colour and the mask rows).
bool ReadImageSize(std::span<const std::uint8_t> bytes, IconImage& image) {
  if (bytes.size() >= 24 && std::equal(std::begin(kPngSignature), std::end(kPngSignature), bytes.begin())) {
    if (BigEndian(bytes.subspan(12, 4)) != kPngHeaderChunk) return false;
    image.png = true;
    image.stored_width = static_cast<int>(std::min<std::uint32_t>(BigEndian(bytes.subspan(16, 4)), 1u << 16));
    image.stored_height =
        static_cast<int>(std::min<std::uint32_t>(BigEndian(bytes.subspan(20, 4)), 1u << 16));
    return true;
  }
  base::ByteCursor cursor(bytes);
  std::uint32_t header_size = 0;
  std::int32_t width = 0, height = 0;
  cursor.Read(header_size);
  cursor.Read(width);
  cursor.Read(height);
  if (!cursor.Ok() || header_size < kBitmapHeaderSize || header_size > bytes.size()) return false;
  if (width <= 0 || height <= 0 || width > (1 << 16) || height > (1 << 17)) return false;
  image.stored_width = width;
  image.stored_height = height / 2;
  return true;
}

}  // namespace

const char* Describe(IconGroupError error) {
  switch (error) {
    case IconGroupError::kNone:
      return "no error";
    case IconGroupError::kMalformedGroup:
      return "the icon group is malformed";
    case IconGroupError::kMissingImage:
      return "the icon group names an icon that is not there";
    case IconGroupError::kMalformedImage:
      return "an icon image is neither a PNG nor a bitmap";
  }
  return "unknown error";
}

IconGroupError ReadIconGroup(std::span<const std::uint8_t> group, const std::vector<PeResource>& resources,
                             std::vector<IconImage>& images) {
  images.clear();
  base::ByteCursor cursor(group);
  std::uint16_t reserved = 0, type = 0, count = 0;
  cursor.Read(reserved);
  cursor.Read(type);
  cursor.Read(count);
  if (!cursor.Ok() || reserved != 0 || type != 1) return IconGroupError::kMalformedGroup;
  for (std::uint16_t i = 0; i < count; ++i) {
    std::uint8_t width = 0, height = 0, colours = 0, zero = 0;
    std::uint16_t planes = 0, bit_count = 0;
    std::uint32_t bytes = 0;
    IconImage image;
    cursor.Read(width);
    cursor.Read(height);
    cursor.Read(colours);
    cursor.Read(zero);
    cursor.Read(planes);
    cursor.Read(bit_count);
    cursor.Read(bytes);
    cursor.Read(image.id);
    if (!cursor.Ok()) return IconGroupError::kMalformedGroup;
    image.width = width == 0 ? 256 : width;
    image.height = height == 0 ? 256 : height;
    image.bit_count = bit_count;
    const PeResource* icon = FindResource(resources, kResourceIcon, image.id);
    if (!icon) return IconGroupError::kMissingImage;
    if (icon->bytes.size() != bytes || !ReadImageSize(icon->bytes, image))
      return IconGroupError::kMalformedImage;
    images.push_back(image);
  }
  return IconGroupError::kNone;
}

}  // namespace tools
