#pragma once
#include <functional>
#include <optional>

#include "seam/window_handle.h"

namespace tarnwick {

// What the keyboard did lately, as the program's keyboard hook hears it: for a feature that
// tells a window the keyboard chose from one a program brought forward on its own. Nothing
// is noted until a feature asks, so without one a key costs what it always did.
class KeyActivity {
 public:
  // A key that follows the one before by less than this belongs to the same burst of typing.
  static constexpr int kBurstGapMs = 500;

  virtual ~KeyActivity() = default;
  // Notes every key event (a key going down or up) from now on, or stops when `note` is false.
  // Where given, `onBurst` runs on the UI thread soon after the first key of each burst (one
  // call for a burst of typing, never one a key), told the window that was in the foreground
  // as that key went down, before any program saw it.
  using BurstListener = std::function<void(WindowHandle foregroundAtFirstKey)>;
  virtual void NoteKeys(bool note, BurstListener onBurst) = 0;
  // Milliseconds since the last key event noted; nothing before the first.
  virtual std::optional<int> MsSinceLastKey() = 0;
  // Input that is not the keyboard's (the mouse's, a pen's) came after the last key event.
  virtual bool OtherInputSinceLastKey() = 0;
};

}  // namespace tarnwick
