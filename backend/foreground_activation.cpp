#include "backend/foreground_activation.h"

#include <cstdint>

namespace tarnwick {
namespace {

// Activation completes only when the target's thread handles it, so right after an
// accepted request the foreground may still be the old window: the answer to the request
// is what tells, and the foreground is asked only to catch a system that reports falsely.
bool TryPlain(ForegroundPrimitives& system, WindowHandle target) {
  return system.SetForeground(target) || system.Foreground() == target;
}

// Attaching input queues lets this thread act as the foreground thread for one call.
// Every attach that took is undone before returning, whatever happened.
bool TryAttached(ForegroundPrimitives& system, WindowHandle target) {
  const WindowHandle foreground = system.Foreground();
  const ThreadId self = system.CurrentThread();
  const ThreadId targetThread = system.WindowThread(target);
  const bool foregroundUsable = foreground != kNoWindow && !system.IsHung(foreground);
  const ThreadId foregroundThread = foregroundUsable ? system.WindowThread(foreground) : 0;

  const bool selfToForeground = foregroundThread != 0 && foregroundThread != self &&
                                system.AttachInput(self, foregroundThread, true);
  const bool foregroundToTarget = foregroundThread != 0 && targetThread != 0 &&
                                  foregroundThread != targetThread &&
                                  system.AttachInput(foregroundThread, targetThread, true);

  const bool accepted = system.SetForeground(target);
  system.BringToTop(target);

  if (foregroundToTarget) system.AttachInput(foregroundThread, targetThread, false);
  if (selfToForeground) system.AttachInput(self, foregroundThread, false);
  return accepted || system.Foreground() == target;
}

}  // namespace

bool ForegroundActivator::UserActedSince(const Refusal& refusal) {
  const std::uint32_t input = system_.LastInputTime();
  if (input == refusal.inputTime) return false;
  // Our own event may show in the input time only a read or two later.
  if (refusal.injected) {
    const auto afterInjection = static_cast<std::int32_t>(input - *refusal.injected);
    if (afterInjection <= static_cast<std::int32_t>(kOwnInputSlackMs)) return false;
  }
  return true;
}

bool ForegroundActivator::ReachesElevated(WindowHandle target, WindowHandle foreground) {
  WindowHandle elevated = kNoWindow;
  if (system_.IsElevated(target)) {
    elevated = target;
  } else if (foreground != kNoWindow && system_.IsElevated(foreground)) {
    elevated = foreground;
  }
  if (elevated == kNoWindow) return false;
  if (elevated != elevatedNoticed_ && notices_ != nullptr && notices_->CannotReachElevated()) {
    elevatedNoticed_ = elevated;
  }
  return true;
}

bool ForegroundActivator::Activate(WindowHandle target) {
  if (target == kNoWindow) return false;
  const WindowHandle foreground = system_.Foreground();
  // A pinned window is asked for every tick; when it already has the foreground there is
  // nothing to do, and no input needs injecting for it.
  if (foreground == target) {
    refusal_.reset();
    return true;
  }
  if (refusal_ && refusal_->target == target && refusal_->foreground == foreground &&
      !UserActedSince(*refusal_)) {
    return false;
  }
  // Read before anything is injected: read after, our own event would look like the user's.
  Refusal refusal{target, foreground, system_.LastInputTime(), std::nullopt};
  refusal_.reset();
  if (TryPlain(system_, target)) return true;
  if (system_.WindowThread(target) == 0) return false;
  if (!system_.IsHung(target) && !ReachesElevated(target, foreground)) {
    refusal.injected = system_.Now();
    system_.SendEmptyMouseInput();
    if (TryPlain(system_, target) || TryAttached(system_, target)) return true;
  }
  refusal_ = refusal;
  return false;
}

}  // namespace tarnwick
