// The test program declares the awareness of every density that the
// program's manifest declares, before any test makes a window: in a Wine
// prefix at 144 or 192 dpi its windows then get that density, as the
// program's do. At 96 nothing changes.
#include <gtest/gtest.h>

#include "tests/win/density_awareness.h"

namespace {

class DensityAwareness final : public testing::Environment {
 public:
  void SetUp() override { testing_support::DeclareDensityAwareness(); }
};

// Registered before main runs; gtest owns the environment from then on.
[[maybe_unused]] testing::Environment* const registered =
    testing::AddGlobalTestEnvironment(new DensityAwareness);

}  // namespace
