// The directory's two packets as the build makes them (<build>/packets/,
// written by tools/packet_builder), for host tests and benchmarks. The folder
// is taken from PHONEBOOK_PACKET_DIR when set, else found from the running
// executable, which lives in <build>/tests/<kind>/.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <system_error>

namespace testing_support {

inline constexpr const char* kPersonPacketFile = "fio.packet";
inline constexpr const char* kPhonePacketFile = "tel.packet";
inline constexpr const char* kNameOrderFile = "fio.order";

inline std::filesystem::path BuiltPacketDir() {
  if (const char* dir = std::getenv("PHONEBOOK_PACKET_DIR")) return dir;
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return exe.parent_path().parent_path().parent_path() / "packets";
}

// The bytes of the built packet `file`, or nothing when it cannot be read.
inline std::optional<std::string> ReadBuiltPacket(const char* file) {
  std::ifstream in(BuiltPacketDir() / file, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace testing_support
