// glyph_bitmap PICTURE OUTPUT: turns a glyph picture (tools/glyph_bitmap.h)
// into a monochrome bitmap file. On a malformed picture it prints
// "PICTURE:line N: reason", writes nothing and exits with status 1.
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "tools/glyph_bitmap.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: glyph_bitmap PICTURE OUTPUT\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << argv[1] << ": cannot be read\n";
    return 1;
  }
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  tools::Glyph glyph;
  std::string error;
  if (!tools::ParseGlyph(text, glyph, error)) {
    std::cerr << argv[1] << ":" << error << "\n";
    return 1;
  }
  std::ofstream out(argv[2], std::ios::binary);
  out << tools::MonochromeBitmapFile(glyph);
  if (!out) {
    std::cerr << argv[2] << ": cannot be written\n";
    return 1;
  }
  return 0;
}
