#include "app/form1.h"
#include "cursor/screen_bounds.h"

namespace tarnwick {

void Form1::Check5_Click() {
  SaveCheckSetting(kTaskbarAllowanceSetting, Check5);
  ScreenBounds = ParkPointText(platform_.screen.Metrics(), Check5.IsChecked());
}

}  // namespace tarnwick
