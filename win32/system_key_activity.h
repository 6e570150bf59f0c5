#pragma once
#include <optional>

#include "seam/key_activity.h"
#include "win32/win32_api.h"

namespace tarnwick::win32 {

// The keyboard's activity as the low-level hook hears it. The hook calls KeyEvent on its own
// thread for every key event: while no feature notes keys that is one load of a flag; noting,
// it stores the time, and where a feature wants bursts, posts `message` to the main window
// at a burst's first key, with the window then in front as wParam. One per process.
class SystemKeyActivity : public KeyActivity {
 public:
  SystemKeyActivity(HWND mainWindow, UINT message);
  SystemKeyActivity(const SystemKeyActivity&) = delete;
  SystemKeyActivity& operator=(const SystemKeyActivity&) = delete;
  ~SystemKeyActivity() override;

  void NoteKeys(bool note, BurstListener onBurst) override;
  std::optional<int> MsSinceLastKey() override;
  bool OtherInputSinceLastKey() override;
  // The main window received the message posted at a burst's first key.
  void BurstPosted(WPARAM foregroundAtFirstKey);

  // The hook's thread, for every key event but our own injected ones.
  static void KeyEvent();

 private:
  BurstListener onBurst_;
};

}  // namespace tarnwick::win32
