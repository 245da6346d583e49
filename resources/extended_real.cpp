#include "resources/extended_real.h"

#include <cmath>
#include <limits>

namespace resources {

namespace {
constexpr int kBias = 16383;
constexpr std::uint16_t kMaxExponent = 0x7FFF;
}  // namespace

std::array<std::uint8_t, 10> EncodeExtended(double value) {
  std::uint64_t mantissa = 0;
  std::uint16_t top = std::signbit(value) ? 0x8000 : 0;
  if (std::isnan(value)) {
    mantissa = 0xC000000000000000ull;
    top |= kMaxExponent;
  } else if (std::isinf(value)) {
    mantissa = 0x8000000000000000ull;
    top |= kMaxExponent;
  } else if (value != 0) {
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent);  // [0.5, 1)
    mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));  // exact: 53 bits
    top = static_cast<std::uint16_t>(top | (exponent - 1 + kBias));
  }
  std::array<std::uint8_t, 10> bytes{};
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
  bytes[8] = static_cast<std::uint8_t>(top);
  bytes[9] = static_cast<std::uint8_t>(top >> 8);
  return bytes;
}

double DecodeExtended(const std::array<std::uint8_t, 10>& bytes) {
  std::uint64_t mantissa = 0;
  for (int i = 0; i < 8; ++i) mantissa |= std::uint64_t{bytes[i]} << (8 * i);
  const int top = bytes[8] | (bytes[9] << 8);
  const bool negative = (top & 0x8000) != 0;
  const int exponent = top & kMaxExponent;
  double magnitude = 0;
  if (exponent == kMaxExponent) {
    magnitude = (mantissa << 1) == 0 ? std::numeric_limits<double>::infinity()
                                     : std::numeric_limits<double>::quiet_NaN();
  } else {
    // Denormals (exponent 0) have the exponent of the smallest normal.
    const int scale = (exponent == 0 ? 1 : exponent) - kBias - 63;
    magnitude = std::ldexp(static_cast<double>(mantissa), scale);
  }
  return negative ? -magnitude : magnitude;
}

}  // namespace resources
