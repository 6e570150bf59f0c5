#include "app/form1.h"
#include "cursor/screen_bounds.h"

namespace tarnwick {

void Form1::Check5_Click() {
  SaveSetting("startup", "idelautohide", Check5.IsChecked() ? "1" : "0");
  ScreenBounds = ParkPointText(platform_.screen.Metrics(), Check5.IsChecked());
}

void Form1::Form_DisplayChange() {}

}  // namespace tarnwick
