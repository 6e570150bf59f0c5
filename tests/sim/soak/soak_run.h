#pragma once
#include <cstdint>
#include <string>

namespace tarnwick::sim {

// What one seeded run did, and the first broken invariant if any.
struct SoakResult {
  std::uint64_t seed = 0;
  std::int64_t virtualMs = 0;  // virtual time covered
  int steps = 0;
  int activations = 0;
  int wraps = 0;
  int parks = 0;
  std::string failure;  // empty when every invariant held after every step
};

// Hours of a user's day on the simulated desktop, from a seed: random cursor paths, rests,
// drags, hotkeys, clicks on every control, typing, windows coming, going, hanging and
// being cloaked, menus, display changes, a restarted taskbar, an unreadable cursor, new
// options. The same seed gives the same run, step for step.
SoakResult RunSoak(std::uint64_t seed, std::int64_t virtualMs);

}  // namespace tarnwick::sim
