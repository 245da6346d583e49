#include "tools/directory_packets.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "data/client_data_set.h"
#include "data/datapacket_writer.h"
#include "data/stored_order.h"
#include "data/word_sort_collation.h"

namespace tools {

namespace {

using data::DataPacketWriter;
using Slot = DataPacketWriter::Slot;
namespace packet = data::packet;

// A string property of the phone columns: 2-byte length, the text and a
// terminating zero byte (the zero is part of the value).
DataPacketWriter::Property Origin(std::string_view value) {
  std::string bytes(value);
  bytes.push_back('\0');
  return {"ORIGIN", packet::TypeWord(packet::kClassString, 2, packet::kVarying | packet::kPropertyFlag),
          DataPacketWriter::Varying(bytes, 2)};
}

bool ReadFile(const std::string& path, std::string& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  out = buffer.str();
  return !in.bad();
}

bool WriteFileReplacing(const std::string& path, const std::string& bytes, std::vector<std::string>& errors) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      errors.push_back(path + ": cannot write the file");
      std::remove(temporary.c_str());
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    errors.push_back(path + ": cannot write the file: " + error.message());
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace

DirectoryPackets BuildDirectoryPackets(const Directory& directory) {
  const uint32_t signed16 = packet::TypeWord(packet::kClassSigned, 2);
  DataPacketWriter person;
  person.Column("KEY_F", signed16, packet::kUnNamed)
      .Column("FIO", packet::TypeWord(packet::kClassString, 1, packet::kVarying), packet::kUnNamed,
              {{"WIDTH", packet::TypeWord(packet::kClassUnsigned, 2), DataPacketWriter::Int(kNameWidth, 2)}})
      .TableProperties({{"LCID", signed16, DataPacketWriter::Int(0, 2)}});

  DataPacketWriter phone;
  phone.Column("TEL", packet::TypeWord(packet::kClassSigned, 4), packet::kRequired, {Origin("TEL.TEL")})
      .Column("FIO", signed16, packet::kRequired, {Origin("TEL.FIO")})
      .TableProperties();

  int64_t key = 0;
  for (const DirectoryPerson& p : directory.persons) {
    ++key;
    const std::string key_value = DataPacketWriter::Int(key, 2);
    person.Row({Slot::Value(key_value), Slot::Value(DataPacketWriter::Varying(p.name, 1))});
    for (int32_t number : p.numbers)
      phone.Row({Slot::Value(DataPacketWriter::Int(number, 4)), Slot::Value(key_value)});
  }
  return {person.Finish(), phone.Finish()};
}

std::string BuildNameOrder(const std::string& person_packet) {
  const data::WordSortCollation collation;
  data::TClientDataSet table(nullptr, &collation);
  table.SetData(person_packet);
  table.SetIndexFieldNames("FIO");
  table.Open();
  std::vector<uint32_t> records;
  records.reserve(table.RecordCount());
  table.Cursor()->MoveToBOF();
  for (uint32_t record = 0; table.Cursor()->GetNextRecord(record) == data::kDsOk;) records.push_back(record);
  return data::EncodeStoredOrder(records);
}

bool BuildDirectoryPacketFiles(const std::string& source_path, const std::string& person_path,
                               const std::string& phone_path, const std::string& order_path,
                               std::vector<std::string>& errors) {
  std::string text;
  if (!ReadFile(source_path, text)) {
    errors.push_back(source_path + ": cannot read the directory source");
    return false;
  }
  const auto directory = ReadDirectorySource(text, source_path, errors);
  if (!directory) return false;
  const DirectoryPackets packets = BuildDirectoryPackets(*directory);
  std::string order;
  try {
    order = BuildNameOrder(packets.person);
  } catch (const std::exception& e) {
    errors.push_back(person_path + ": cannot order the names: " + e.what());
    return false;
  }
  return WriteFileReplacing(person_path, packets.person, errors) &&
         WriteFileReplacing(phone_path, packets.phone, errors) &&
         WriteFileReplacing(order_path, order, errors);
}

}  // namespace tools
