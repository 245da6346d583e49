#include "ui/model/dpi_scale.h"

#include <cstdint>
#include <limits>

namespace ui {

int DpiScale::Position(int stored) const {
  if (dpi_ == kStoredDpi) return stored;
  const std::int64_t product = std::int64_t{stored} * dpi_;
  const std::int64_t half = kStoredDpi / 2;
  // Truncating division after adding half the divisor away from zero rounds
  // halves away from zero on both sides.
  const std::int64_t rounded = (product >= 0 ? product + half : product - half) / kStoredDpi;
  if (rounded > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (rounded < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(rounded);
}

int DpiScale::Length(int stored) const {
  const int scaled = Position(stored);
  if (scaled == 0 && stored != 0) return stored > 0 ? 1 : -1;
  return scaled;
}

}  // namespace ui
