#pragma once
#include <cstdint>
#include <optional>

#include "seam/window_handle.h"

namespace tarnwick {

using ThreadId = std::uint32_t;

// The handful of window-manager calls that bringing a window forward needs. Windows
// implements them for real; tests use a stub that refuses the way Windows 10/11 does.
class ForegroundPrimitives {
 public:
  virtual ~ForegroundPrimitives() = default;
  // Asks for the foreground; false when the system refused (the foreground lock). The
  // switch itself completes later, when the window's thread handles it.
  virtual bool SetForeground(WindowHandle window) = 0;
  virtual WindowHandle Foreground() = 0;
  // A window whose thread stopped answering: attaching input to it could hang us.
  virtual bool IsHung(WindowHandle window) = 0;
  // A window of a program with more rights than ours (run as administrator), or one whose
  // rights cannot be read: the system drops our injected input while it is in front and
  // refuses to join our input to its thread.
  virtual bool IsElevated(WindowHandle window) = 0;
  // The thread that owns a window; 0 when the window is gone.
  virtual ThreadId WindowThread(WindowHandle window) = 0;
  virtual ThreadId CurrentThread() = 0;
  virtual bool AttachInput(ThreadId from, ThreadId to, bool attach) = 0;
  // One mouse event that moves nothing: it makes this process the last to receive input.
  // Windows counts it as user activity, as it counts the user's own input.
  virtual void SendEmptyMouseInput() = 0;
  // When the system last saw input, injected or real, on the clock of Now; it only ever
  // moves on, and may show an injected event only some time after it was sent.
  virtual std::uint32_t LastInputTime() = 0;
  // The system's millisecond tick count.
  virtual std::uint32_t Now() = 0;
  // Raises a window without waiting for its thread.
  virtual void BringToTop(WindowHandle window) = 0;
};

// Where the activator tells the user what it cannot do.
class ActivationNotices {
 public:
  virtual ~ActivationNotices() = default;
  // False when the system did not take it (no tray icon, or the user's quiet time): it is
  // said at a later try.
  virtual bool CannotReachElevated() = 0;
};

// Brings windows to the foreground: the plain call first, then, when the foreground lock
// refused it, an empty input event and, last, joined input queues.
//
// A refused request costs the user something each time: Windows flashes the window's
// taskbar button, and the fallback pretends to be the user, which Windows believes (every
// injected event keeps the screen saver, display sleep and the inactivity lock away). So
// once a window was refused, the same request waits, asking nothing, until the user gives
// input of their own or the foreground changes; our own injected event is not the user's.
//
// Against a program run as administrator the fallback cannot work: it is not tried, and
// the user is told once for each such window.
class ForegroundActivator {
 public:
  explicit ForegroundActivator(ForegroundPrimitives& system, ActivationNotices* notices = nullptr)
      : system_(system), notices_(notices) {}
  void TellUser(ActivationNotices* notices) { notices_ = notices; }
  // Whether `target` ended up in the foreground.
  bool Activate(WindowHandle target);

  // An input time this close after our own injected event is that event.
  static constexpr std::uint32_t kOwnInputSlackMs = 100;

 private:
  struct Refusal {
    WindowHandle target = kNoWindow;
    WindowHandle foreground = kNoWindow;
    std::uint32_t inputTime = 0;            // read before anything was injected
    std::optional<std::uint32_t> injected;  // when our empty event went out
  };
  bool UserActedSince(const Refusal& refusal);
  bool ReachesElevated(WindowHandle target, WindowHandle foreground);

  ForegroundPrimitives& system_;
  ActivationNotices* notices_;
  std::optional<Refusal> refusal_;
  WindowHandle elevatedNoticed_ = kNoWindow;
};

}  // namespace tarnwick
