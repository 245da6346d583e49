// Glyph pictures written as text ("#" for a glyph pixel, "." for the
// background, one row a line; lines starting with "# " are comments) and their
// monochrome bitmap file: what tools/glyph_bitmap reads and writes at build
// time for the program's bitmap resources.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tools {

struct Glyph {
  int width = 0;
  int height = 0;
  std::vector<bool> pixels;  // row by row from the top; true: a glyph pixel
};

// Reads a glyph picture. Rows must be equally long and hold only "#" and
// "."; comment lines start with "#" followed by a blank.
// Returns false with `error` set ("line 3: ...") on a malformed picture or
// one larger than 256 x 256.
bool ParseGlyph(std::string_view text, Glyph& glyph, std::string& error);

// The bytes of a 1-bit-per-pixel bitmap file of `glyph`: glyph pixels are
// bit 0 (black), background bit 1 (white), rows bottom-up and padded to 4
// bytes, as the system's bitmap resources take them.
std::string MonochromeBitmapFile(const Glyph& glyph);

}  // namespace tools
