#include "app/form1.h"

namespace tarnwick {

void Form1::Timer5_Timer() {}

}  // namespace tarnwick
