// The two datapackets of the directory, made from a read directory source:
//
//   person packet (table daFio)   KEY_F signed 16-bit, FIO varying string
//                                 with a 1-byte length ("WIDTH" 24), table
//                                 property "LCID" 0; one row per person, keys
//                                 1..N in the byte order of the names
//   phone packet (table daTel)    TEL signed 32-bit, FIO signed 16-bit (the
//                                 person key), each with its "ORIGIN"; one
//                                 row per number, in person-key order and,
//                                 within a person, in source order
//
// Both: magic 0xBDE01996, version 1.0, attributes "metadata" and "row offset
// valid", every row with status 0 and no null slot. The person packet takes
// 75 bytes before its rows and 5 + name length per row; the phone packet 92
// bytes and 8 per row.
#pragma once

#include <string>
#include <vector>

#include "tools/directory_source.h"

namespace tools {

struct DirectoryPackets {
  std::string person;
  std::string phone;
};

// Builds both packets. Precondition: `directory` came from
// ReadDirectorySource (at most kMaxPersons persons, names of at most
// kNameWidth bytes), so every value fits its column.
DirectoryPackets BuildDirectoryPackets(const Directory& directory);

// The person table's name order (a stored order, data/stored_order.h): the
// person packet opened as the program opens it, ordered by "FIO" through the
// portable word sort, which orders the directory's names as the system does.
// The program adopts it at once and checks it against the system's order
// after its first paint. Throws the engine's exception for a packet it
// cannot open.
std::string BuildNameOrder(const std::string& person_packet);

// Reads the directory source at `source_path` and writes the person and the
// phone packet and the person table's name order. Returns true when all
// three were written. On any failure (the source cannot be read, a bad row,
// a file cannot be written) returns false with the messages in `errors`;
// when the source has a bad row, no file is created or changed. Each file is
// written to a temporary file beside it and renamed into place, so a reader
// never sees half a file.
bool BuildDirectoryPacketFiles(const std::string& source_path, const std::string& person_path,
                               const std::string& phone_path, const std::string& order_path,
                               std::vector<std::string>& errors);

}  // namespace tools
