#include "app/form1.h"

namespace tarnwick {

void Form1::Check2_Click() {
  Timer8.SetEnabled(Check2.IsChecked());
  SaveSetting("startup", "idel", Check2.IsChecked() ? "1" : "0");
}

void Form1::Timer8_Timer() {}

}  // namespace tarnwick
