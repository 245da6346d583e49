// A fuzz target without a fault, run beside the faulty one by the fuzz runner's check.
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  volatile std::size_t sum = 0;
  for (std::size_t i = 0; i < size; ++i) sum = sum + data[i];
  return 0;
}
