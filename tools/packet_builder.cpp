// packet_builder: turns the directory source into the two packets the program
// embeds.
//
// Usage:  packet_builder SOURCE PERSON_PACKET PHONE_PACKET NAME_ORDER
//
// Reads SOURCE (format in tools/directory_source.h) and writes the person and
// the phone packet and the person table's name order
// (tools/directory_packets.h). Every bad row is reported on standard error as
// "file:line: reason"; then nothing is written and the exit status is 1.
#include <iostream>
#include <string>
#include <vector>

#include "tools/directory_packets.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: packet_builder SOURCE PERSON_PACKET PHONE_PACKET NAME_ORDER\n";
    return 2;
  }
  std::vector<std::string> errors;
  const bool ok = tools::BuildDirectoryPacketFiles(argv[1], argv[2], argv[3], argv[4], errors);
  for (const std::string& e : errors) std::cerr << e << "\n";
  return ok ? 0 : 1;
}
