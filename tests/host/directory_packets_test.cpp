// The directory's two packets, byte for byte, for a directory of three
// persons; the expected bytes were worked out by hand from the layout.
#include "tools/directory_packets.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/common/hex_bytes.h"

namespace {

constexpr auto Hex = testing_support::HexBytes;

tools::Directory ThreePersons() {
  std::vector<std::string> errors;
  auto directory = tools::ReadDirectorySource(
      "NAME\tNUMBER\n"
      "ЯК ЯЯ\t30000\n"
      "АБ АА\t20000\n"
      "ЯК ЯЯ\t10000\n"
      "ЁЖ ЕЕ\t99999\n",
      "dir.txt", errors);
  EXPECT_TRUE(directory);
  return *directory;
}

TEST(DirectoryPackets, PersonPacketHoldsKeysInNameByteOrder) {
  const std::string packet = tools::BuildDirectoryPackets(ThreePersons()).person;
  const std::string expected =
      // magic, version 1.0, header size 24, 2 columns, 3 rows, attributes 3, rows at 75
      Hex("96 19 E0 BD 01 00 00 00 18 00 00 00 02 00 03 00 00 00 03 00 00 00 4B 00") +
      // KEY_F: signed 16-bit, faUnNamed, no properties
      Hex("05") + "KEY_F" + Hex("02 00 01 00 10 00 00 00") +
      // FIO: varying string with a 1-byte length, faUnNamed, WIDTH = 24 (unsigned 16-bit)
      Hex("03") + "FIO" + Hex("01 00 49 00 10 00 01 00") + Hex("05") + "WIDTH" + Hex("02 00 02 00 18 00") +
      // table property LCID = 0 (signed 16-bit)
      Hex("01 00 04") + "LCID" + Hex("02 00 01 00 00 00") +
      // rows: status, flags, key, name; Ё (A8) < А (C0) < Я (DF)
      Hex("00 00 01 00 05 A8 C6 20 C5 C5") + Hex("00 00 02 00 05 C0 C1 20 C0 C0") +
      Hex("00 00 03 00 05 DF CA 20 DF DF");
  EXPECT_EQ(packet, expected);
  EXPECT_EQ(expected.size(), 75u + 3 * (5 + 5));
}

TEST(DirectoryPackets, PhonePacketHoldsNumbersByKeyThenSourceOrder) {
  const std::string packet = tools::BuildDirectoryPackets(ThreePersons()).phone;
  const std::string expected =
      // 4 rows, rows at 92
      Hex("96 19 E0 BD 01 00 00 00 18 00 00 00 02 00 04 00 00 00 03 00 00 00 5C 00") +
      // TEL: signed 32-bit, faRequired, ORIGIN "TEL.TEL" with its zero (type word 0x80490002)
      Hex("03") + "TEL" + Hex("04 00 01 00 04 00 01 00") + Hex("06") + "ORIGIN" + Hex("02 00 49 80 08 00") +
      "TEL.TEL" + Hex("00") +
      // FIO: signed 16-bit, faRequired, ORIGIN "TEL.FIO"
      Hex("03") + "FIO" + Hex("02 00 01 00 04 00 01 00") + Hex("06") + "ORIGIN" + Hex("02 00 49 80 08 00") +
      "TEL.FIO" + Hex("00") +
      // no table properties
      Hex("00 00") +
      // 99999 of key 1, 20000 of key 2, then key 3's 30000 and 10000 in source order
      Hex("00 00 9F 86 01 00 01 00") + Hex("00 00 20 4E 00 00 02 00") + Hex("00 00 30 75 00 00 03 00") +
      Hex("00 00 10 27 00 00 03 00");
  EXPECT_EQ(packet, expected);
  EXPECT_EQ(expected.size(), 92u + 4 * 8);
}

TEST(DirectoryPackets, EmptyDirectoryGivesMetadataOnly) {
  const tools::DirectoryPackets packets = tools::BuildDirectoryPackets({});
  EXPECT_EQ(packets.person.size(), 75u);
  EXPECT_EQ(packets.phone.size(), 92u);
  EXPECT_EQ(packets.person.substr(14, 4), Hex("00 00 00 00"));
}

}  // namespace
