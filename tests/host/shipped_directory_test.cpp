// The shipped directory: every figure that the rest of the program may rely
// on, checked on the committed source (resources/directory.txt) and on the
// two packets the build made from it, read back through the packet reader.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "data/datapacket_reader.h"
#include "text/cp1251.h"
#include "tools/directory_source.h"

namespace {

using namespace data;

constexpr size_t kPersons = 25'937;
constexpr size_t kNumbers = 28'130;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// ---------------------------------------------------------------------------
// A packet read completely through the reader, in the documented order.

struct Property {
  std::string name;
  uint32_t type_word = 0;
  std::string value;
};
struct Column {
  DSColumnDesc desc;
  std::vector<Property> properties;
};
struct Row {
  uint8_t status = 0xFF;
  std::vector<std::string> values;  // one per slot; a null slot fails the read
};
struct ReadPacket {
  DsResult result = kDsOk;  // the first failure
  DsPacketHeader header;
  std::vector<Column> columns;
  std::vector<Property> table_properties;
  size_t metadata_end = 0;
  std::vector<Row> rows;
  size_t end = 0;  // the reader's position after the last row
};

ReadPacket Read(const std::string& bytes, size_t slots) {
  ReadPacket out;
  DsRef<DSEXTRACT> reader = DSEXTRACT::Create();
  const std::span<const uint8_t> packet(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  const auto fail = [&](DsResult r) {
    out.result = r;
    return out;
  };
  if (const DsResult r = reader->Init(packet)) return fail(r);
  out.header = reader->Header();
  std::array<char, 256> buffer{};
  while (!reader->MetadataDone()) {
    DSColumnDesc desc;
    const DsResult c = reader->GetNextColumnDesc(&desc);
    if (c != kDsOk && c != kDsEnd) return fail(c);
    if (c == kDsOk) out.columns.push_back({desc, {}});
    auto& list = c == kDsOk ? out.columns.back().properties : out.table_properties;
    for (;;) {
      DsPropertyName name{};
      uint32_t type_word = 0, size = static_cast<uint32_t>(buffer.size());
      const DsResult p = reader->GetNextOptParameter(&name, &type_word, &size, buffer.data());
      if (p == kDsEnd) break;
      if (p != kDsOk) return fail(p);
      list.push_back({name.data(), type_word, std::string(buffer.data(), size)});
    }
  }
  out.metadata_end = reader->Position();
  for (;;) {
    uint32_t size = static_cast<uint32_t>(buffer.size());
    DsSlotState state = DsSlotState::kValue;
    const DsResult r = reader->GetNextField(&size, buffer.data(), &state);
    if (r == kDsEnd) break;
    if (r != kDsOk || state != DsSlotState::kValue) return fail(r ? r : kDsBadCall);
    if (out.rows.empty() || out.rows.back().values.size() == slots) {
      out.rows.push_back({static_cast<uint8_t>(buffer[0]), {}});  // the status byte starts a row
      if (size != 1) return fail(kDsBadCall);
    } else {
      out.rows.back().values.emplace_back(buffer.data(), size);
    }
  }
  out.end = reader->Position();
  return out;
}

int64_t AsInt(const std::string& le) {
  uint64_t v = 0;
  for (size_t i = le.size(); i-- > 0;) v = v << 8 | static_cast<unsigned char>(le[i]);
  if (le.size() < 8 && (v >> (8 * le.size() - 1)) != 0) v -= uint64_t{1} << (8 * le.size());  // sign
  return static_cast<int64_t>(v);
}

std::string ColumnName(const Column& c) {
  return c.desc.name.data();
}

// Both directory packets: version 1.0 of the versioned magic, two columns,
// metadata and a valid row offset; the metadata ends at the row offset and
// the last row at the end of the block.
void ExpectDirectoryHeader(const ReadPacket& packet, size_t rows, size_t row_offset, size_t size) {
  EXPECT_EQ(packet.header.magic, 0xBDE01996u);
  EXPECT_EQ(packet.header.version, 1u);
  EXPECT_EQ(packet.header.revision, 0u);
  EXPECT_EQ(packet.header.header_size, 24u);
  EXPECT_EQ(packet.header.column_count, 2u);
  EXPECT_EQ(packet.header.row_count, rows);
  EXPECT_EQ(packet.header.attributes, 3u);
  EXPECT_EQ(packet.header.row_offset, row_offset);
  EXPECT_EQ(packet.metadata_end, row_offset);
  EXPECT_EQ(packet.end, size);
}

// ---------------------------------------------------------------------------

class ShippedDirectory : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    source_ = new std::string(ReadFile(PHONEBOOK_DIRECTORY_SOURCE));
    std::vector<std::string> errors;
    auto directory = tools::ReadDirectorySource(*source_, "directory.txt", errors);
    directory_ = new tools::Directory(directory.value_or(tools::Directory{}));
    errors_ = new std::vector<std::string>(errors);
    person_ = new std::string(ReadFile(std::string(PHONEBOOK_PACKET_DIR) + "/fio.packet"));
    phone_ = new std::string(ReadFile(std::string(PHONEBOOK_PACKET_DIR) + "/tel.packet"));
  }
  static void TearDownTestSuite() {
    delete source_;
    delete directory_;
    delete errors_;
    delete person_;
    delete phone_;
  }
  static const std::vector<tools::DirectoryPerson>& Persons() { return directory_->persons; }

  static std::string* source_;
  static tools::Directory* directory_;
  static std::vector<std::string>* errors_;
  static std::string* person_;
  static std::string* phone_;
};
std::string* ShippedDirectory::source_ = nullptr;
tools::Directory* ShippedDirectory::directory_ = nullptr;
std::vector<std::string>* ShippedDirectory::errors_ = nullptr;
std::string* ShippedDirectory::person_ = nullptr;
std::string* ShippedDirectory::phone_ = nullptr;

TEST_F(ShippedDirectory, SourceIsAcceptedWithTheDocumentedCounts) {
  EXPECT_TRUE(errors_->empty()) << (errors_->empty() ? "" : errors_->front());
  EXPECT_TRUE(source_->starts_with("NAME\tNUMBER\n"));
  EXPECT_EQ(std::count(source_->begin(), source_->end(), '\n'), static_cast<long>(kNumbers + 1));
  EXPECT_EQ(Persons().size(), kPersons);
  EXPECT_EQ(directory_->NumberCount(), kNumbers);
}

TEST_F(ShippedDirectory, NumbersAreUniqueFiveDigitAndNotAscending) {
  std::set<int32_t> seen;
  std::vector<int32_t> in_key_order;
  for (const auto& p : Persons()) {
    for (int32_t n : p.numbers) {
      EXPECT_TRUE(n >= 10000 && n <= 99999) << n;
      EXPECT_TRUE(seen.insert(n).second) << n;
      in_key_order.push_back(n);
    }
  }
  EXPECT_EQ(seen.size(), kNumbers);
  EXPECT_FALSE(std::is_sorted(in_key_order.begin(), in_key_order.end()));
}

TEST_F(ShippedDirectory, NumbersPerPersonHistogram) {
  std::map<size_t, size_t> histogram;
  for (const auto& p : Persons()) ++histogram[p.numbers.size()];
  const std::map<size_t, size_t> expected = {{1, 24'231}, {2, 1'372}, {3, 240}, {4, 57},
                                             {5, 22},     {6, 9},     {7, 5},   {8, 1}};
  EXPECT_EQ(histogram, expected);
}

TEST_F(ShippedDirectory, SeveralNumberPersonsSpreadOverTheAlphabetUnsortedWithin) {
  std::set<char> first_letters;
  std::vector<size_t> positions;
  for (size_t i = 0; i < Persons().size(); ++i) {
    const auto& numbers = Persons()[i].numbers;
    if (numbers.size() < 2) continue;
    EXPECT_FALSE(std::is_sorted(numbers.begin(), numbers.end())) << text::Cp1251ToUtf8(Persons()[i].name);
    first_letters.insert(Persons()[i].name[0]);
    positions.push_back(i);
  }
  ASSERT_EQ(positions.size(), 1'706u);
  EXPECT_GE(first_letters.size(), 25u);
  EXPECT_LT(positions.front(), kPersons / 50);            // from the first 2% of the alphabet...
  EXPECT_GT(positions.back(), kPersons - kPersons / 50);  // ...to the last 2%
}

TEST_F(ShippedDirectory, NamesLengthsAndTotal) {
  size_t total = 0, shortest = 100, longest = 0;
  for (const auto& p : Persons()) {
    total += p.name.size();
    shortest = std::min(shortest, p.name.size());
    longest = std::max(longest, p.name.size());
  }
  EXPECT_EQ(total, 275'727u);
  EXPECT_EQ(shortest, 5u);
  EXPECT_EQ(longest, 18u);
  // Person packet: 75 bytes of header and metadata, 5 bytes per row besides the name.
  EXPECT_EQ(75 + 5 * kPersons + total, 405'487u);
}

TEST_F(ShippedDirectory, NamesAreUpperCaseCyrillicSurnameBlankTwoInitials) {
  const auto cyrillic = [](unsigned char b) { return (b >= 0xC0 && b <= 0xDF) || b == 0xA8; };
  size_t latin = 0, digit = 0, hyphen = 0, yo = 0, iv = 0, other = 0;
  std::map<unsigned char, size_t> first;
  for (const auto& p : Persons()) {
    const std::string& n = p.name;
    ASSERT_EQ(std::count(n.begin(), n.end(), ' '), 1) << text::Cp1251ToUtf8(n);
    EXPECT_EQ(n.size() - n.find(' '), 3u) << text::Cp1251ToUtf8(n);  // two initials
    bool has_latin = false, has_digit = false;
    for (unsigned char b : n) {
      has_latin |= b >= 'A' && b <= 'Z';
      has_digit |= b >= '0' && b <= '9';
      if (!cyrillic(b) && b != ' ' && b != '-' && !(b >= 'A' && b <= 'Z') && !(b >= '0' && b <= '9')) ++other;
    }
    latin += has_latin;
    digit += has_digit;
    hyphen += n.find('-') != std::string::npos;
    yo += n.find('\xA8') != std::string::npos;
    iv += n.starts_with("\xC8\xC2");  // ИВ
    ++first[static_cast<unsigned char>(n[0])];
  }
  EXPECT_EQ(latin, 2u);
  EXPECT_EQ(digit, 1u);
  EXPECT_EQ(hyphen, 1u);
  EXPECT_EQ(other, 0u);
  EXPECT_GT(yo, 0u);
  EXPECT_GE(iv, 200u);  // typing "ив" finds plenty
  // Initial letters as in a real directory: nearly every letter, none
  // dominating, К and С the most common.
  EXPECT_GE(first.size(), 28u);
  std::vector<std::pair<size_t, unsigned char>> by_count;
  for (const auto& [letter, count] : first) by_count.push_back({count, letter});
  std::sort(by_count.rbegin(), by_count.rend());
  EXPECT_LT(by_count[0].first, kPersons / 6);
  EXPECT_EQ(text::Cp1251ToUtf8(
                std::string{static_cast<char>(by_count[0].second), static_cast<char>(by_count[1].second)}),
            "КС");
}

TEST_F(ShippedDirectory, PersonPacketLayoutAndRows) {
  ASSERT_EQ(person_->size(), 405'487u);
  const ReadPacket packet = Read(*person_, 2);
  ASSERT_EQ(packet.result, kDsOk);
  ExpectDirectoryHeader(packet, kPersons, 75, person_->size());

  ASSERT_EQ(packet.columns.size(), 2u);
  EXPECT_EQ(ColumnName(packet.columns[0]), "KEY_F");
  EXPECT_EQ(packet.columns[0].desc.type_word, 0x00010002u);
  EXPECT_EQ(packet.columns[0].desc.attributes, 0x10u);
  EXPECT_TRUE(packet.columns[0].properties.empty());
  EXPECT_EQ(ColumnName(packet.columns[1]), "FIO");
  EXPECT_EQ(packet.columns[1].desc.type_word, 0x00490001u);
  EXPECT_EQ(packet.columns[1].desc.attributes, 0x10u);
  ASSERT_EQ(packet.columns[1].properties.size(), 1u);
  EXPECT_EQ(packet.columns[1].properties[0].name, "WIDTH");
  EXPECT_EQ(packet.columns[1].properties[0].type_word, 0x00020002u);
  EXPECT_EQ(AsInt(packet.columns[1].properties[0].value), 24);
  ASSERT_EQ(packet.table_properties.size(), 1u);
  EXPECT_EQ(packet.table_properties[0].name, "LCID");
  EXPECT_EQ(packet.table_properties[0].type_word, 0x00010002u);
  EXPECT_EQ(AsInt(packet.table_properties[0].value), 0);

  ASSERT_EQ(packet.rows.size(), kPersons);
  for (size_t i = 0; i < packet.rows.size(); ++i) {
    const Row& row = packet.rows[i];
    ASSERT_EQ(row.status, 0u) << i;
    ASSERT_EQ(row.values.size(), 2u) << i;
    ASSERT_EQ(AsInt(row.values[0]), static_cast<int64_t>(i + 1));  // keys 1..N without gaps
    ASSERT_EQ(row.values[1], Persons()[i].name) << i;
    if (i > 0) {
      ASSERT_LT(packet.rows[i - 1].values[1], row.values[1]) << i;  // unique, ascending bytes
    }
  }
}

TEST_F(ShippedDirectory, PhonePacketLayoutAndRows) {
  ASSERT_EQ(phone_->size(), 225'132u);
  EXPECT_EQ(92 + 8 * kNumbers, 225'132u);
  const ReadPacket packet = Read(*phone_, 2);
  ASSERT_EQ(packet.result, kDsOk);
  ExpectDirectoryHeader(packet, kNumbers, 92, phone_->size());

  ASSERT_EQ(packet.columns.size(), 2u);
  const char* const names[] = {"TEL", "FIO"};
  const uint32_t types[] = {0x00010004, 0x00010002};
  const std::string origins[] = {std::string("TEL.TEL\0", 8), std::string("TEL.FIO\0", 8)};
  for (size_t c = 0; c < 2; ++c) {
    EXPECT_EQ(ColumnName(packet.columns[c]), names[c]);
    EXPECT_EQ(packet.columns[c].desc.type_word, types[c]);
    EXPECT_EQ(packet.columns[c].desc.attributes, 0x04u);
    ASSERT_EQ(packet.columns[c].properties.size(), 1u);
    EXPECT_EQ(packet.columns[c].properties[0].name, "ORIGIN");
    EXPECT_EQ(packet.columns[c].properties[0].type_word, 0x80490002u);
    EXPECT_EQ(packet.columns[c].properties[0].value, origins[c]);
  }
  EXPECT_TRUE(packet.table_properties.empty());

  // Rows: person-key order, and within a person the source order.
  ASSERT_EQ(packet.rows.size(), kNumbers);
  size_t r = 0;
  for (size_t key = 1; key <= Persons().size(); ++key) {
    for (int32_t number : Persons()[key - 1].numbers) {
      const Row& row = packet.rows[r++];
      ASSERT_EQ(row.status, 0u) << r;
      ASSERT_EQ(row.values.size(), 2u) << r;
      ASSERT_EQ(AsInt(row.values[0]), number) << r;
      ASSERT_EQ(AsInt(row.values[1]), static_cast<int64_t>(key)) << r;
    }
  }
  EXPECT_EQ(r, kNumbers);
}

}  // namespace
