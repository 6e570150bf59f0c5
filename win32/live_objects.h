#pragma once

namespace tarnwick::win32 {

// The system objects the program makes and must give back, counted as they are made and
// destroyed, so that a test can ask a running Tarnwick how many of each it holds (Wine's
// GetGuiResources answers 0 for everything). The numbers are also the wParam of the
// private query message, so they never change.
enum class ObjectKind : int {
  kIcon = 0,  // loaded without LR_SHARED
  kMenu = 1,  // menu bars, their pop-ups, context menus
  kFont = 2,
  kBrush = 3,
  kWindow = 4,  // windows the program creates (not message boxes, which the system owns)
  kHook = 5,
};
inline constexpr int kObjectKindCount = 6;
// Not an object: the query with this number answers how many invariants broke since start.
inline constexpr int kBrokenInvariantsQuery = 6;

void CountCreated(ObjectKind kind, int count = 1);
void CountDestroyed(ObjectKind kind, int count = 1);
// How many of `kind` live now (or the broken invariants); -1 for a number that names neither.
long LiveObjects(int kind);

}  // namespace tarnwick::win32
