#include "app/form1.h"

namespace tarnwick {

void Form1::Check4_Click() {
  // Copying the program group's shortcut into the StartUp folder comes with launch at
  // log-on; for now the option is stored like the others.
  SaveSetting("startup", "windows", Check4.IsChecked() ? "1" : "0");
}

}  // namespace tarnwick
