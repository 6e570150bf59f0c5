#include "backend/instance_claim.h"

namespace tarnwick {
namespace {

// How long a start waits for the other Tarnwick to either let go or put up its window. A
// cold start under load takes a few seconds to create its window; an ending one lets go
// within milliseconds.
constexpr int kPatienceMs = 5000;
constexpr int kSliceMs = 100;

}  // namespace

StartVerdict ClaimFirstInstance(InstanceSystem& system) {
  const InstanceSystem::Opened opened = system.OpenLock();
  switch (opened) {
    case InstanceSystem::Opened::kCreated:
      return StartVerdict::kFirst;
    case InstanceSystem::Opened::kFailed:
      // No lock at all (no resources, or the name taken by an object of another kind): not
      // a sign of another Tarnwick, and refusing to start would leave the user with none.
      return StartVerdict::kUnguarded;
    case InstanceSystem::Opened::kAccessDenied:
    case InstanceSystem::Opened::kExisting:
      break;
  }
  // A lock we may not open belongs to a Tarnwick that runs with other rights: it cannot
  // be waited for, only asked to show itself.
  const bool canWait = opened == InstanceSystem::Opened::kExisting;
  for (int waitedMs = 0; waitedMs < kPatienceMs; waitedMs += kSliceMs) {
    if (canWait && system.TakeLock(0)) return StartVerdict::kFirst;
    switch (system.AskRunningToShow()) {
      case InstanceSystem::Answer::kShown:
      case InstanceSystem::Answer::kHung:  // asked all the same; it shows itself once free
        return StartVerdict::kAnotherRuns;
      case InstanceSystem::Answer::kEnding:
      case InstanceSystem::Answer::kNotFound:
        break;
    }
    if (!canWait) {
      system.Pause(kSliceMs);
    } else if (system.TakeLock(kSliceMs)) {
      return StartVerdict::kFirst;
    }
  }
  // Neither letting go nor answering: do not put a second Tarnwick beside it.
  return StartVerdict::kAnotherRuns;
}

}  // namespace tarnwick
