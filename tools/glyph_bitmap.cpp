#include "tools/glyph_bitmap.h"

#include <string>

namespace tools {

namespace {

constexpr int kMaxSide = 256;

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool IsComment(std::string_view line) {
  return line.size() >= 2 && line[0] == '#' && line[1] == ' ';
}

}  // namespace

bool ParseGlyph(std::string_view text, Glyph& glyph, std::string& error) {
  glyph = Glyph{};
  int line_number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++line_number;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || IsComment(line)) continue;
    const auto fail = [&](const std::string& why) {
      error = "line " + std::to_string(line_number) + ": " + why;
      return false;
    };
    if (line.find_first_not_of("#.") != std::string_view::npos) return fail("only '#' and '.' may draw");
    if (glyph.height == 0) glyph.width = static_cast<int>(line.size());
    if (static_cast<int>(line.size()) != glyph.width) return fail("rows differ in length");
    if (glyph.width > kMaxSide || glyph.height >= kMaxSide) return fail("larger than 256 x 256");
    for (char c : line) glyph.pixels.push_back(c == '#');
    ++glyph.height;
  }
  if (glyph.height == 0) {
    error = "no rows";
    return false;
  }
  return true;
}

std::string MonochromeBitmapFile(const Glyph& glyph) {
  const auto stride = static_cast<std::uint32_t>(((glyph.width + 31) / 32) * 4);
  const auto image_size = stride * static_cast<std::uint32_t>(glyph.height);
  constexpr std::uint32_t kFileHeader = 14, kInfoHeader = 40, kPalette = 8;
  std::string out;
  out += "BM";
  PutLittleEndian(out, kFileHeader + kInfoHeader + kPalette + image_size, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, kFileHeader + kInfoHeader + kPalette, 4);
  PutLittleEndian(out, kInfoHeader, 4);
  PutLittleEndian(out, static_cast<std::uint32_t>(glyph.width), 4);
  PutLittleEndian(out, static_cast<std::uint32_t>(glyph.height), 4);
  PutLittleEndian(out, 1, 2);  // planes
  PutLittleEndian(out, 1, 2);  // bits per pixel
  PutLittleEndian(out, 0, 4);  // no compression
  PutLittleEndian(out, image_size, 4);
  PutLittleEndian(out, 2835, 4);  // 72 dpi, as resource editors write
  PutLittleEndian(out, 2835, 4);
  PutLittleEndian(out, 2, 4);  // colours used
  PutLittleEndian(out, 2, 4);
  PutLittleEndian(out, 0x000000, 4);  // index 0: black
  PutLittleEndian(out, 0xFFFFFF, 4);  // index 1: white
  for (int row = glyph.height - 1; row >= 0; --row) {
    std::string bits(stride, '\0');
    for (int x = 0; x < glyph.width; ++x) {
      const bool background = !glyph.pixels[static_cast<std::size_t>(row * glyph.width + x)];
      if (background) bits[static_cast<std::size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
    }
    out += bits;
  }
  return out;
}

}  // namespace tools
