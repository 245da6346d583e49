// The 80-bit extended real of component streams, to and from double, without
// relying on the compiler's long double (64 bits wide on some toolchains).
//
// Layout (little-endian, 10 bytes): a 64-bit mantissa with an explicit
// integer bit, then 15 exponent bits (bias 16383) and the sign bit.
#pragma once

#include <array>
#include <cstdint>

namespace resources {

// The 10 bytes of `value`. Exact: every double is an extended real.
std::array<std::uint8_t, 10> EncodeExtended(double value);

// The double nearest to the extended real in `bytes` (rounded by the host's
// conversion); too large becomes an infinity, too small zero, a NaN stays a
// NaN. Total: any 10 bytes decode.
double DecodeExtended(const std::array<std::uint8_t, 10>& bytes);

}  // namespace resources
