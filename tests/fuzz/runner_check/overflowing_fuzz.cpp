// A fuzz target with a planted fault: an input starting with '!' reads past its
// copy's end. The fuzz runner's check expects the run to fail and keep that input.
#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> copy(data, data + size);
  volatile std::uint8_t sink = 0;
  if (size > 0 && data[0] == '!') sink = copy.data()[size];
  (void)sink;
  return 0;
}
