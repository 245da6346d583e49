// Reading the directory source: what makes a row bad, how rows become
// persons, and the packet builder's all-or-nothing files.
#include "tools/directory_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "text/cp1251.h"
#include "tools/directory_packets.h"

namespace {

using tools::ReadDirectorySource;

// The messages for `text` read as "dir.txt"; empty when it is accepted.
std::vector<std::string> Problems(const std::string& text) {
  std::vector<std::string> errors;
  const auto directory = ReadDirectorySource(text, "dir.txt", errors);
  EXPECT_EQ(directory.has_value(), errors.empty());
  return errors;
}

std::string Source(const std::string& rows) {
  return "NAME\tNUMBER\n" + rows;
}

using Messages = std::vector<std::string>;

TEST(DirectorySourceRefusal, NumbersMustBeFiveDigitsFrom10000AndUnique) {
  EXPECT_EQ(Problems(Source("ИВАНОВ ИИ\t1234\n")),
            Messages{"dir.txt:2: number '1234' is not five digits from 10000 to 99999"});
  EXPECT_EQ(Problems(Source("ИВАНОВ ИИ\t123456\n")),
            Messages{"dir.txt:2: number '123456' is not five digits from 10000 to 99999"});
  EXPECT_EQ(Problems(Source("ИВАНОВ ИИ\t01234\n")),
            Messages{"dir.txt:2: number '01234' is not five digits from 10000 to 99999"});
  EXPECT_EQ(Problems(Source("ИВАНОВ ИИ\t12a45\n")),
            Messages{"dir.txt:2: number '12a45' is not five digits from 10000 to 99999"});
  EXPECT_EQ(Problems(Source("ИВАНОВ ИИ\t 12345\n")),
            Messages{"dir.txt:2: number ' 12345' is not five digits from 10000 to 99999"});
  EXPECT_EQ(Problems(Source("ИВАНОВ ИИ\t\n")),
            Messages{"dir.txt:2: number '' is not five digits from 10000 to 99999"});
  EXPECT_EQ(Problems(Source("ИВАНОВ ИИ\t12345\nПЕТРОВ ПП\t54321\nСИДОРОВ СС\t12345\n")),
            Messages{"dir.txt:4: duplicate number 12345 (first on line 2)"});
  EXPECT_TRUE(Problems(Source("А Б\t10000\nА В\t99999\n")).empty());
}

TEST(DirectorySourceRefusal, NamesMustBeNonEmptyAndFitTheWidthIn1251) {
  EXPECT_EQ(Problems(Source("\t12345\n")), Messages{"dir.txt:2: empty name"});
  // 24 Cyrillic letters are 48 bytes of UTF-8 but 24 of 1251: accepted.
  const std::string width = "АБВГДЕЖЗИКЛМНОПРСТУФ ХЦЧ";
  EXPECT_TRUE(Problems(Source(width + "\t12345\n")).empty());
  EXPECT_EQ(Problems(Source(width + "Ш\t12345\n")),
            Messages{"dir.txt:2: name is 25 bytes in Windows-1251, more than 24"});
}

TEST(DirectorySourceRefusal, CharactersWithout1251FormOrOutsideTheAllowedSet) {
  EXPECT_EQ(Problems(Source("ИВАНОВ Ā\t12345\n")),
            Messages{"dir.txt:2: character U+0100 has no Windows-1251 form"});
  EXPECT_EQ(Problems(Source("ИВАНОВ 😀\t12345\n")),
            Messages{"dir.txt:2: character U+1F600 has no Windows-1251 form"});
  EXPECT_EQ(Problems(Source("ИВАНОВ \xC3\t12345\n")), Messages{"dir.txt:2: malformed UTF-8 in the name"});
  EXPECT_EQ(Problems(Source("Иванов ИИ\t12345\n")),  // lower case
            Messages{"dir.txt:2: character U+0432 is not allowed in a name"});
  EXPECT_EQ(Problems(Source("ИВАНОВ И.И\t12345\n")),
            Messages{"dir.txt:2: character U+002E is not allowed in a name"});
  EXPECT_EQ(Problems(Source("ЇЖАК ИИ\t12345\n")),  // in 1251, but not a Russian letter
            Messages{"dir.txt:2: character U+0407 is not allowed in a name"});
  EXPECT_EQ(Problems(Source(" ИВАНОВ ИИ\t12345\n")),
            Messages{"dir.txt:2: blank at the start or end of the name"});
  EXPECT_EQ(Problems(Source("ИВАНОВ ИИ \t12345\n")),
            Messages{"dir.txt:2: blank at the start or end of the name"});
  EXPECT_EQ(Problems(Source("ИВАНОВ  ИИ\t12345\n")), Messages{"dir.txt:2: two blanks in a row in the name"});
  // What a real directory holds: Ё, Latin letters, digits, a hyphen, an apostrophe.
  EXPECT_TRUE(Problems(Source("СЁМИН-O'ХАРА 2Б\t12345\n")).empty());
}

TEST(DirectorySourceRefusal, LayoutHeaderAndTheNumberOfPersons) {
  EXPECT_EQ(Problems("ИВАНОВ ИИ\t12345\n"),
            Messages{"dir.txt:1: the first line must be the header NAME<TAB>NUMBER"});
  EXPECT_EQ(Problems(""), Messages{"dir.txt:1: the first line must be the header NAME<TAB>NUMBER"});
  EXPECT_EQ(Problems(Source("ИВАНОВ ИИ 12345\n")), Messages{"dir.txt:2: expected NAME<TAB>NUMBER"});

  std::string rows;
  for (int i = 0; i < 32'768; ++i) {
    std::string name;  // a distinct name per row: two letters from 32 each
    name += text::Cp1251ToUtf8(std::string(1, static_cast<char>(0xC0 + i / 1024 % 32)));
    name += text::Cp1251ToUtf8(std::string(1, static_cast<char>(0xC0 + i / 32 % 32)));
    name += text::Cp1251ToUtf8(std::string(1, static_cast<char>(0xC0 + i % 32)));
    rows += name + " А\t" + std::to_string(10000 + i) + "\n";
  }
  EXPECT_EQ(Problems(Source(rows)), Messages{"dir.txt:32769: more than 32767 persons"});
  // A further number of a person already counted is no new person.
  EXPECT_EQ(Problems(Source(rows + "ААА А\t99999\n")), Messages{"dir.txt:32769: more than 32767 persons"});
}

TEST(DirectorySourceRefusal, EveryBadRowIsReportedInLineOrder) {
  EXPECT_EQ(Problems(Source("ИВАНОВ ИИ\t1\n"
                            "ПЕТРОВ ПП\t22222\n"
                            "\t33333\n"
                            "ПЕТРОВ ПП\t22222\n")),
            (Messages{"dir.txt:2: number '1' is not five digits from 10000 to 99999", "dir.txt:4: empty name",
                      "dir.txt:5: duplicate number 22222 (first on line 3)"}));
}

TEST(DirectorySource, RowsOfOneNameAreOnePersonSortedByThe1251Bytes) {
  std::vector<std::string> errors;
  const auto directory = ReadDirectorySource(
      "\xEF\xBB\xBFNAME\tNUMBER\r\n"
      "ЯКОВЛЕВ ЯЯ\t30000\r\n"
      "# a comment\n"
      "\n"
      "АБРАМОВ АА\t20000\n"
      "ЯКОВЛЕВ ЯЯ\t10000\n"
      "ЁЛКИН ЕЕ\t40000\n"
      "ZETA AA\t50000\n"
      "АБРАМОВА АА\t60000\n"
      "ЯКОВЛЕВ ЯЯ\t25000",  // no line break at the end
      "dir.txt", errors);
  ASSERT_TRUE(directory) << errors.front();
  ASSERT_EQ(directory->persons.size(), 5u);
  // 1251 bytes: Latin (0x5A) < Ё (0xA8) < А (0xC0) < Я (0xDF); a prefix comes first.
  const std::vector<std::string> names = {"ZETA AA", "ЁЛКИН ЕЕ", "АБРАМОВ АА", "АБРАМОВА АА", "ЯКОВЛЕВ ЯЯ"};
  for (size_t i = 0; i < names.size(); ++i)
    EXPECT_EQ(directory->persons[i].name, text::Utf8ToCp1251(names[i]));
  EXPECT_EQ(directory->persons[4].numbers, (std::vector<int32_t>{30000, 10000, 25000}));  // source order
  EXPECT_EQ(directory->NumberCount(), 7u);
}

// Each test gets a fresh folder of its own.
class PacketFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::path(::testing::TempDir()) /
           ("h1_packets_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string Path(const char* name) const { return (dir_ / name).string(); }
  void Write(const char* name, const std::string& bytes) const {
    std::ofstream(Path(name), std::ios::binary) << bytes;
  }
  std::string Read(const char* name) const {
    std::ifstream in(Path(name), std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }

  std::filesystem::path dir_;
};

TEST_F(PacketFiles, BadSourceWritesNothingAndLeavesOldPacketsAlone) {
  Write("dir.txt", Source("ИВАНОВ ИИ\t12345\nПЕТРОВ ПП\t123\n"));
  Write("tel.packet", "old");
  std::vector<std::string> errors;
  EXPECT_FALSE(tools::BuildDirectoryPacketFiles(Path("dir.txt"), Path("fio.packet"), Path("tel.packet"),
                                                Path("fio.order"), errors));
  EXPECT_EQ(errors, Messages{Path("dir.txt") + ":3: number '123' is not five digits from 10000 to 99999"});
  EXPECT_FALSE(std::filesystem::exists(Path("fio.packet")));
  EXPECT_EQ(Read("tel.packet"), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 2);  // no temporary left
}

TEST_F(PacketFiles, MissingSourceOrUnwritableOutputIsAFailure) {
  std::vector<std::string> errors;
  EXPECT_FALSE(tools::BuildDirectoryPacketFiles(Path("none.txt"), Path("fio.packet"), Path("tel.packet"),
                                                Path("fio.order"), errors));
  EXPECT_EQ(errors, Messages{Path("none.txt") + ": cannot read the directory source"});

  Write("dir.txt", Source("ИВАНОВ ИИ\t12345\n"));
  errors.clear();
  EXPECT_FALSE(tools::BuildDirectoryPacketFiles(Path("dir.txt"), Path("no/such/fio.packet"),
                                                Path("tel.packet"), Path("fio.order"), errors));
  EXPECT_EQ(errors, Messages{Path("no/such/fio.packet") + ": cannot write the file"});
}

TEST_F(PacketFiles, GoodSourceWritesBothPackets) {
  Write("dir.txt", Source("ИВАНОВ ИИ\t12345\nАБРАМОВ АА\t54321\n"));
  Write("fio.packet", "old");
  std::vector<std::string> errors;
  ASSERT_TRUE(tools::BuildDirectoryPacketFiles(Path("dir.txt"), Path("fio.packet"), Path("tel.packet"),
                                               Path("fio.order"), errors));
  EXPECT_TRUE(errors.empty());
  std::vector<std::string> read_errors;
  const auto directory =
      ReadDirectorySource(Source("ИВАНОВ ИИ\t12345\nАБРАМОВ АА\t54321\n"), "x", read_errors);
  ASSERT_TRUE(directory);
  const tools::DirectoryPackets expected = tools::BuildDirectoryPackets(*directory);
  EXPECT_EQ(Read("fio.packet"), expected.person);
  EXPECT_EQ(Read("tel.packet"), expected.phone);
  EXPECT_EQ(Read("fio.order"), tools::BuildNameOrder(expected.person));
  EXPECT_EQ(expected.person.size(), 75u + 2 * 5 + 9 + 10);
  EXPECT_EQ(expected.phone.size(), 92u + 2 * 8);
}

}  // namespace
