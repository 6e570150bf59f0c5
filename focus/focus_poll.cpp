#include "app/form1.h"

namespace tarnwick {

void Form1::Timer1_Timer() {}

void Form1::Timer2_Timer() { Timer2.SetEnabled(false); }

}  // namespace tarnwick
