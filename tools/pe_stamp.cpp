// pe_stamp FILE SECONDS
// Sets the time stamp in the header of the Windows executable FILE to SECONDS
// (since 1970-01-01 UTC) and writes its check sum anew, so that the header
// tells the sources' date instead of the moment of the link. The file is
// written to FILE.stamping first and then renamed over FILE.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tools/pe_image.h"

namespace {

void Put32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: pe_stamp FILE SECONDS\n");
    return 2;
  }
  const std::string path = argv[1];
  const std::string seconds_text = argv[2];
  std::uint32_t seconds = 0;
  const char* end = seconds_text.data() + seconds_text.size();
  const auto [stop, failure] = std::from_chars(seconds_text.data(), end, seconds);
  if (seconds_text.empty() || failure != std::errc() || stop != end) {
    std::fprintf(stderr, "pe_stamp: %s is not a time the header can hold\n", seconds_text.c_str());
    return 2;
  }
  std::ifstream in(path, std::ios::binary);
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in.good() && !in.eof()) {
    std::fprintf(stderr, "pe_stamp: cannot read %s\n", path.c_str());
    return 1;
  }
  tools::PeHeaderFields fields;
  if (const tools::PeError error = tools::LocateHeaderFields(bytes, fields); error != tools::PeError::kNone) {
    std::fprintf(stderr, "pe_stamp: %s: %s\n", path.c_str(), tools::Describe(error));
    return 1;
  }
  Put32(bytes, fields.time_stamp, seconds);
  Put32(bytes, fields.checksum, tools::PeCheckSum(bytes, fields.checksum));
  const std::string partial = path + ".stamping";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out.good()) {
      std::fprintf(stderr, "pe_stamp: cannot write %s\n", partial.c_str());
      return 1;
    }
  }
  std::error_code rename_failure;
  std::filesystem::permissions(partial, std::filesystem::status(path).permissions(), rename_failure);
  std::filesystem::rename(partial, path, rename_failure);
  if (rename_failure) {
    std::fprintf(stderr, "pe_stamp: cannot replace %s: %s\n", path.c_str(), rename_failure.message().c_str());
    return 1;
  }
  return 0;
}
