// Glyph pictures and the monochrome bitmap files made from them: the close
// glyph as committed, the file's layout byte by byte, and refused pictures.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "tools/glyph_bitmap.h"

namespace {

std::uint32_t At32(const std::string& bytes, std::size_t at) {
  return static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint8_t>(bytes[at + 1]) << 8 |
         static_cast<std::uint8_t>(bytes[at + 2]) << 16 |
         static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + 3])) << 24;
}

TEST(GlyphBitmap, TheCloseGlyphIsAnEightBySevenXWithTwoPixelStrokes) {
  std::ifstream in(std::string(PHONEBOOK_RESOURCE_DIR) + "/close_glyph.txt", std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  tools::Glyph glyph;
  std::string error;
  ASSERT_TRUE(tools::ParseGlyph(text, glyph, error)) << error;
  EXPECT_EQ(glyph.width, 8);
  EXPECT_EQ(glyph.height, 7);
  // Each row holds two strokes of 2 pixels, or one of 2 where they cross.
  for (int y = 0; y < 7; ++y) {
    int set = 0;
    for (int x = 0; x < 8; ++x) set += glyph.pixels[static_cast<std::size_t>(y * 8 + x)];
    EXPECT_EQ(set, y == 3 ? 2 : 4) << "row " << y;
    // Symmetric left to right.
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(glyph.pixels[static_cast<std::size_t>(y * 8 + x)],
                glyph.pixels[static_cast<std::size_t>(y * 8 + 7 - x)]);
    }
  }
}

TEST(GlyphBitmap, TheFileIsABottomUpOneBitBitmapWithGlyphPixelsBlack) {
  tools::Glyph glyph;
  std::string error;
  ASSERT_TRUE(tools::ParseGlyph("#.\n..\n.#\n", glyph, error));
  const std::string file = tools::MonochromeBitmapFile(glyph);
  ASSERT_EQ(file.size(), 14u + 40u + 8u + 3u * 4u);
  EXPECT_EQ(file.substr(0, 2), "BM");
  EXPECT_EQ(At32(file, 2), file.size());
  EXPECT_EQ(At32(file, 10), 62u);  // the pixels' offset
  EXPECT_EQ(At32(file, 18), 2u);   // width
  EXPECT_EQ(At32(file, 22), 3u);   // height: positive, bottom-up
  EXPECT_EQ(file[28], 1);          // one bit per pixel
  EXPECT_EQ(At32(file, 54), 0x000000u);
  EXPECT_EQ(At32(file, 58), 0xFFFFFFu);
  // Rows bottom-up, each padded to 4 bytes; background bits are 1.
  EXPECT_EQ(static_cast<std::uint8_t>(file[62]), 0x80);  // ".#": left pixel white
  EXPECT_EQ(static_cast<std::uint8_t>(file[66]), 0xC0);  // "..": both white
  EXPECT_EQ(static_cast<std::uint8_t>(file[70]), 0x40);  // "#.": right pixel white
}

TEST(GlyphBitmap, MalformedPicturesAreRefusedWithTheirLine) {
  tools::Glyph glyph;
  std::string error;
  EXPECT_FALSE(tools::ParseGlyph("##\n###\n", glyph, error));
  EXPECT_EQ(error, "line 2: rows differ in length");
  EXPECT_FALSE(tools::ParseGlyph("# a comment\n#x\n", glyph, error));
  EXPECT_EQ(error, "line 2: only '#' and '.' may draw");
  EXPECT_FALSE(tools::ParseGlyph("# only a comment\n", glyph, error));
  EXPECT_EQ(error, "no rows");
  EXPECT_FALSE(tools::ParseGlyph(std::string(257, '#') + "\n", glyph, error));
  EXPECT_EQ(error, "line 1: larger than 256 x 256");
  std::string tall;
  for (int i = 0; i < 257; ++i) tall += "#\n";
  EXPECT_FALSE(tools::ParseGlyph(tall, glyph, error));
}

}  // namespace
