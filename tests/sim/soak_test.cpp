#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>

#include "tests/sim/soak/soak_run.h"

namespace tarnwick::sim {
namespace {

// A short budget for every test run: a handful of seeded virtual hours. `make soak` runs
// for as long as it is asked, and replays a failing seed with `make soak SEED=n`.
TEST(Soak, SeededVirtualHoursKeepEveryInvariant) {
  constexpr std::int64_t kVirtualHourMs = 60LL * 60 * 1000;
  const auto budget = std::chrono::seconds(4);
  const auto start = std::chrono::steady_clock::now();
  std::int64_t coveredMs = 0;
  for (std::uint64_t seed = 1; seed <= 64 && std::chrono::steady_clock::now() - start < budget;
       ++seed) {
    const SoakResult result = RunSoak(seed, kVirtualHourMs);
    ASSERT_EQ(result.failure, "") << "seed " << seed << "; replay with make soak SEED=" << seed;
    coveredMs += result.virtualMs;
  }
  EXPECT_GE(coveredMs, kVirtualHourMs) << "at least one virtual hour within the budget";
}

TEST(Soak, TheSameSeedGivesTheSameRun) {
  const SoakResult first = RunSoak(7, 20LL * 60 * 1000);
  const SoakResult second = RunSoak(7, 20LL * 60 * 1000);
  EXPECT_EQ(first.steps, second.steps);
  EXPECT_EQ(first.activations, second.activations);
  EXPECT_EQ(first.wraps, second.wraps);
  EXPECT_EQ(first.parks, second.parks);
  EXPECT_GT(first.activations, 0) << "the run does reach the interesting places";
}

}  // namespace
}  // namespace tarnwick::sim
