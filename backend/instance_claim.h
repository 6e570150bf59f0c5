#pragma once

namespace tarnwick {

// What deciding whether this start is the first Tarnwick of the session asks of the system.
// Windows implements it with a named mutex and the main window's class; tests use a stub
// that can refuse and delay the way a real desktop does.
class InstanceSystem {
 public:
  enum class Opened {
    kCreated,       // the lock is new and ours
    kExisting,      // another process holds it, or held it and is letting go
    kAccessDenied,  // it exists but we may not open it (an elevated Tarnwick made it)
    kFailed,        // anything else: no lock to be had
  };
  // What the running Tarnwick said when asked to show itself.
  enum class Answer { kShown, kEnding, kNotFound, kHung };

  virtual ~InstanceSystem() = default;
  virtual Opened OpenLock() = 0;
  // Waits up to `waitMs` for the lock; true once it is ours (let go, or left by a process
  // that died holding it).
  virtual bool TakeLock(int waitMs) = 0;
  virtual Answer AskRunningToShow() = 0;
  virtual void Pause(int milliseconds) = 0;
};

enum class StartVerdict {
  kFirst,        // run: this process holds the lock
  kAnotherRuns,  // it was asked to show itself; end quietly
  kUnguarded,    // run, although no lock could be had
};

// A running Tarnwick shows itself and this start ends. One that is ending (it answers so, or
// its window is gone) is waited for, briefly, and then this start takes over; one that is
// still starting gets as long to put up its window.
StartVerdict ClaimFirstInstance(InstanceSystem& system);

}  // namespace tarnwick
