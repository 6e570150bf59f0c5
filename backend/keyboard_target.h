#pragma once
#include <cstdint>

namespace tarnwick {

// Where typed keys go, as the system tells it, and what it says of a thread's keyboard layout.
// Threads are the system's thread ids; 0 names none.
class KeyboardTarget {
 public:
  virtual ~KeyboardTarget() = default;
  // The thread of the window with the keyboard focus, as the foreground thread's input state
  // names it; 0 when no window has the focus.
  virtual std::uint32_t FocusThread() = 0;
  // The thread of the window in front; 0 when no window is.
  virtual std::uint32_t ForegroundThread() = 0;
  // Whether the layout of `thread` (0: the asking thread's own) types characters with AltGr.
  virtual bool LayoutHasAltGr(std::uint32_t thread) = 0;
};

// Whether the keys go to a layout with AltGr. Each thread has a layout of its own, and the
// one that counts is that of the thread with the keyboard focus: for a Store app the window
// in front belongs to the frame host, whose thread keeps a layout the user may have switched
// away from in the app. The foreground's thread counts only where no window has the focus,
// and the asking thread's own layout only where no window is in front either.
bool KeysGoToAnAltGrLayout(KeyboardTarget& system);

}  // namespace tarnwick
