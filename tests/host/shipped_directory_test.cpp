// The shipped directory (resources/directory.txt) and the two packets the
// build made from it, read back through the packet reader: the source is
// accepted and the packets hold exactly its persons and numbers. Every figure
// comes from the source itself, so any directory the build accepts keeps the
// test true. (The packets' layout, byte for byte: directory_packets_test; their
// sizes and counts read completely: DatapacketReaderDirectory.)
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "data/datapacket_reader.h"
#include "tools/directory_source.h"

namespace {

using namespace data;

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

TEST_F(ShippedDirectory, SourceIsAcceptedOneLinePerNumberAndFitsTheKeyColumn) {
  EXPECT_TRUE(errors_->empty()) << (errors_->empty() ? "" : errors_->front());
  EXPECT_TRUE(source_->starts_with("NAME\tNUMBER\n"));
  EXPECT_EQ(std::count(source_->begin(), source_->end(), '\n'),
            static_cast<long>(directory_->NumberCount() + 1));
  // Persons are keyed 1..N in the person packet's 2-byte signed KEY_F.
  EXPECT_LE(Persons().size(), size_t{32767});
  // The tables' number order is not the stored order, or the tests of the
  // number search and of the order would prove nothing.
  std::vector<int32_t> in_key_order;
  for (const auto& p : Persons()) in_key_order.insert(in_key_order.end(), p.numbers.begin(), p.numbers.end());
  EXPECT_FALSE(std::is_sorted(in_key_order.begin(), in_key_order.end()));
}

// The person packet holds every person of the source, keyed 1..N in name
// byte order, each name at most the name column's stored width.
TEST_F(ShippedDirectory, PersonPacketHoldsEveryPersonInNameByteOrder) {
  const ReadPacket packet = Read(*person_, 2);
  ASSERT_EQ(packet.result, kDsOk);
  ASSERT_EQ(packet.columns.size(), 2u);
  ASSERT_EQ(packet.columns[1].properties.size(), 1u);
  ASSERT_EQ(packet.columns[1].properties[0].name, "WIDTH");
  const int64_t width = AsInt(packet.columns[1].properties[0].value);
  ASSERT_EQ(packet.rows.size(), Persons().size());
  for (size_t i = 0; i < packet.rows.size(); ++i) {
    const Row& row = packet.rows[i];
    ASSERT_EQ(row.status, 0u) << i;
    ASSERT_EQ(row.values.size(), 2u) << i;
    ASSERT_EQ(AsInt(row.values[0]), static_cast<int64_t>(i + 1));  // keys 1..N without gaps
    ASSERT_EQ(row.values[1], Persons()[i].name) << i;
    ASSERT_LE(static_cast<int64_t>(row.values[1].size()), width) << i;
    if (i > 0) {
      ASSERT_LT(packet.rows[i - 1].values[1], row.values[1]) << i;  // unique, ascending bytes
    }
  }
}

// The phone packet holds every number of the source with its person's key,
// in person-key order and, within a person, in the source's order.
TEST_F(ShippedDirectory, PhonePacketHoldsEveryNumberByPersonThenSourceOrder) {
  const ReadPacket packet = Read(*phone_, 2);
  ASSERT_EQ(packet.result, kDsOk);
  ASSERT_EQ(packet.rows.size(), directory_->NumberCount());
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
}

}  // namespace
