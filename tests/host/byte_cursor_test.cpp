// The bounded cursor: little-endian reads, sticky failure, ranges that cannot
// overflow, slices, and marks.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "base/byte_cursor.h"

namespace {

using base::ByteCursor;

const std::vector<std::uint8_t> kBytes = {0x96, 0x19, 0xE0, 0xBD, 0xFF, 0x7F, 0x01};

TEST(ByteCursor, ReadsLittleEndianAndMoves) {
  ByteCursor at(kBytes);
  std::uint32_t magic = 0;
  std::int16_t value = 0;
  ASSERT_TRUE(at.Read(magic));
  EXPECT_EQ(magic, 0xBDE01996u);
  ASSERT_TRUE(at.Read(value));
  EXPECT_EQ(value, 0x7FFF);
  EXPECT_EQ(at.Position(), 6u);
  EXPECT_EQ(at.Remaining(), 1u);
  std::int8_t last = 0;
  ASSERT_TRUE(at.Read(last));
  EXPECT_EQ(last, 1);
}

TEST(ByteCursor, AFailedReadLeavesTheOutputAndStaysFailed) {
  ByteCursor at(kBytes);
  ASSERT_TRUE(at.Skip(5));
  std::uint32_t out = 42;
  EXPECT_FALSE(at.Read(out));
  EXPECT_EQ(out, 42u);
  EXPECT_FALSE(at.Ok());
  std::uint8_t byte = 0;
  EXPECT_FALSE(at.Read(byte));  // one byte is left, but the failure is sticky
  EXPECT_EQ(at.Remaining(), 0u);
}

TEST(ByteCursor, HugeLengthsCannotWrapAround) {
  ByteCursor at(kBytes);
  ASSERT_TRUE(at.Skip(1));
  std::span<const std::uint8_t> out;
  EXPECT_FALSE(at.ReadSpan(std::numeric_limits<std::size_t>::max(), out));
  ByteCursor seek(kBytes);
  EXPECT_TRUE(seek.Seek(kBytes.size()));  // the end itself is a position
  EXPECT_FALSE(seek.Seek(kBytes.size() + 1));
}

TEST(ByteCursor, SlicesAndMarks) {
  ByteCursor at(kBytes);
  ByteCursor part = at.Slice(4);
  ASSERT_TRUE(part.Ok());
  EXPECT_EQ(part.Size(), 4u);
  EXPECT_EQ(at.Position(), 4u);
  EXPECT_FALSE(at.Slice(4).Ok());
  EXPECT_FALSE(at.Ok());

  ByteCursor marked(kBytes);
  const ByteCursor::Mark mark = marked.Save();
  std::uint64_t too_long = 0;
  EXPECT_FALSE(marked.Read(too_long));
  marked.Restore(mark);  // undoes the failure as well
  EXPECT_TRUE(marked.Ok());
  EXPECT_EQ(marked.Position(), 0u);
}

}  // namespace
