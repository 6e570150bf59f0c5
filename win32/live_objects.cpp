#include "win32/live_objects.h"

#include <array>
#include <atomic>

#include "common/invariant.h"

namespace tarnwick::win32 {
namespace {

// Atomic: the hook thread counts its hooks too.
std::array<std::atomic<long>, kObjectKindCount> gLive{};

}  // namespace

void CountCreated(ObjectKind kind, int count) {
  gLive[static_cast<size_t>(kind)] += count;
}

void CountDestroyed(ObjectKind kind, int count) {
  gLive[static_cast<size_t>(kind)] -= count;
}

long LiveObjects(int kind) {
  if (kind == kBrokenInvariantsQuery) return BrokenInvariantCount();
  if (kind < 0 || kind >= kObjectKindCount) return -1;
  return gLive[static_cast<size_t>(kind)].load();
}

}  // namespace tarnwick::win32
