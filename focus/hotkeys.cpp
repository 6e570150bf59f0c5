#include "app/form1.h"

namespace tarnwick {

void Form1::WinHook1_KeyEvent(int /*KeyCode*/, int /*Shift*/) {}

}  // namespace tarnwick
