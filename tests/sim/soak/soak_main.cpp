// make soak: seeded virtual hours on the simulated desktop, for as long as asked.
//   soak [--seed N] [--seeds COUNT] [--hours H]
// With --seed only that seed runs (to replay a failure); otherwise COUNT seeds from 1.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/sim/soak/soak_run.h"

int main(int argc, char** argv) {
  long long seed = 0;
  long long seeds = 20;
  double hours = 8;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--seed") == 0) seed = std::atoll(argv[i + 1]);
    if (std::strcmp(argv[i], "--seeds") == 0) seeds = std::atoll(argv[i + 1]);
    if (std::strcmp(argv[i], "--hours") == 0) hours = std::atof(argv[i + 1]);
  }
  const long long first = seed > 0 ? seed : 1;
  const long long last = seed > 0 ? seed : seeds;
  const auto virtualMs = static_cast<long long>(hours * 3600 * 1000);
  double coveredHours = 0;
  for (long long s = first; s <= last; ++s) {
    const tarnwick::sim::SoakResult result =
        tarnwick::sim::RunSoak(static_cast<std::uint64_t>(s), virtualMs);
    coveredHours += static_cast<double>(result.virtualMs) / 3600000.0;
    std::printf("seed %lld: %.2f virtual hours, %d steps, %d activations, %d wraps, %d parks%s%s\n",
                s, static_cast<double>(result.virtualMs) / 3600000.0, result.steps,
                result.activations, result.wraps, result.parks,
                result.failure.empty() ? "" : ": FAILED: ", result.failure.c_str());
    if (!result.failure.empty()) {
      std::printf("replay with: make soak SEED=%lld\n", s);
      return 1;
    }
  }
  std::printf("soak: %.1f virtual hours over %lld seeds, every invariant held\n", coveredHours,
              last - first + 1);
  return 0;
}
