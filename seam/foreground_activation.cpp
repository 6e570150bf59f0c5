#include "seam/foreground_activation.h"

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

bool ForegroundActivator::Activate(WindowHandle target) {
  if (target == kNoWindow) return false;
  // A pinned window is asked for every tick; when it already has the foreground there is
  // nothing to do, and no input needs injecting for it.
  if (system_.Foreground() == target) return true;
  if (TryPlain(system_, target)) return true;
  if (system_.WindowThread(target) == 0 || system_.IsHung(target)) return false;
  // The same window again with no input since our own event: the user has not touched
  // anything, and another injected event would only keep the machine awake.
  if (target == fallbackTarget_ && system_.LastInputTime() == fallbackInputTime_) return false;
  system_.SendEmptyMouseInput();
  fallbackTarget_ = target;
  fallbackInputTime_ = system_.LastInputTime();
  if (TryPlain(system_, target)) return true;
  return TryAttached(system_, target);
}

}  // namespace tarnwick
