#include "backend/keyboard_target.h"

namespace tarnwick {

bool KeysGoToAnAltGrLayout(KeyboardTarget& system) {
  std::uint32_t thread = system.FocusThread();
  if (thread == 0) thread = system.ForegroundThread();
  return system.LayoutHasAltGr(thread);
}

}  // namespace tarnwick
